#pragma once
#include <stdexcept>
#include <string>

// The one exception type of the game: loaders and the archive raise it with the message the
// player (or modder) sees; the application-wide handler shows it and the game goes on.
class GameError : public std::runtime_error {
  public:
    explicit GameError(const std::string& message) : std::runtime_error(message) {}
};
