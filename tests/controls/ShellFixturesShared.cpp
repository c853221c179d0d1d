// The shell's test fixtures (activation, key messages, draining the queue) serve these tests too.
#include "app/ShellFixtures.cpp"
