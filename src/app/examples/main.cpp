#include "ExampleQuizzes.h"

#include <exception>
#include <filesystem>
#include <iostream>

// Writes the example quizzes into the folder named on the command line.
int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: tavrin_examples FOLDER\n";
        return 2;
    }
    try {
        tavrin::examples::WriteExampleQuizzes(std::filesystem::path(argv[1]));
    } catch (const std::exception& error) {
        std::cerr << "tavrin_examples: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
