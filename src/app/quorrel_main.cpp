// The game.
int main() { return 0; }
