#pragma once

#include <stdexcept>
#include <string>

namespace velmora::formats {

// What kept a file from being read, for each front end to word in its own
// language: a file that is not there, one the system will not open, a
// folder or a device, one past the size taken, or one read and refused.
enum class InputProblem { Refused, Missing, NotReadable, NotAFile, TooLarge };

// Input that cannot be used as given: a file that cannot be read, a line or
// a text that does not say what it should. The message names the place
// ("file:line: ...") and the fault, in one line; a file that could not be
// read also gives its problem and path.
class InputError : public std::runtime_error {
public:
    explicit InputError(
        const std::string& message, InputProblem problem = InputProblem::Refused, std::string path = {}) :
          std::runtime_error(message),
          problem_(problem), path_(std::move(path))
    {
    }
    InputProblem problem() const { return problem_; }
    const std::string& path() const { return path_; } // empty when the text came from no file

private:
    InputProblem problem_;
    std::string path_;
};

} // namespace velmora::formats
