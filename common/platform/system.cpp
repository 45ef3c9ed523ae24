#include "platform/system.h"

namespace plat {

std::string commandLine(const std::string& program, const std::string& arguments) {
  std::string line = program.find(' ') != std::string::npos ? "\"" + program + "\"" : program;
  if (!arguments.empty()) line += " " + arguments;
  return line;
}

std::string notepadCommand(const std::string& windowsDirectory, const std::string& file) {
  const std::string argument = file.find(' ') != std::string::npos ? "\"" + file + "\"" : file;
  return commandLine(windowsDirectory + "notepad.exe", argument);
}

}  // namespace plat
