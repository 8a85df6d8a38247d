// The rules tests' synthetic board and recording host, shared with the input and flow tests.
#include "rules/RulesFixture.cpp"
