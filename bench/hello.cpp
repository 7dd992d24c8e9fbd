// The smallest C++ program that prints, with the standard C++ library's
// stream as any C++ tool has it: the floor for the cost of a process.
#include <iostream>

int main()
{
    std::cout << "hello\n";
}
