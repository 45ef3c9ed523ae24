// The operating-system services beyond files: the Windows and system
// directories, global atoms, starting programs and 8.3 paths.
#pragma once

#include <string>

namespace plat {

class System {
 public:
  virtual ~System() = default;

  // With one "\" appended.
  virtual std::string windowsDirectory() = 0;
  virtual std::string systemDirectory() = 0;
  // The folder of the running program, with "\" appended.
  virtual std::string programDirectory() = 0;

  virtual void addAtom(const std::string& name) = 0;
  virtual bool findAtom(const std::string& name) = 0;

  // Starts a command line shown normally, as WinExec does; true when the
  // program started.
  virtual bool startProgram(const std::string& commandLine) = 0;

  // The 8.3 form of an existing path, and its long form; the path unchanged
  // when the platform cannot tell.
  virtual std::string shortPath(const std::string& path) = 0;
  virtual std::string longPath(const std::string& path) = 0;
};

System& localSystem();

// A command line that starts program with arguments; a program path that
// holds a blank is quoted, so that no other program can start in its place.
std::string commandLine(const std::string& program, const std::string& arguments = {});

// The command line that opens a text file in the system's text editor.
std::string notepadCommand(const std::string& windowsDirectory, const std::string& file);

}  // namespace plat
