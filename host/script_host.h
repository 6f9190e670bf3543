// A script host: one script namespace (its own global object) in the
// process's script engine, with the operations the rest of the program uses
// to execute code, evaluate expressions, call functions and read the last
// error. Texts in and out are the program's byte strings (code page 936);
// an argument is taken up to its first NUL byte.
#ifndef BRAMBLE_HOST_SCRIPT_HOST_H_
#define BRAMBLE_HOST_SCRIPT_HOST_H_

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "host/script_error.h"

namespace bramble {

class ScriptHost {
 public:
  ScriptHost();
  virtual ~ScriptHost();
  ScriptHost(const ScriptHost&) = delete;
  ScriptHost& operator=(const ScriptHost&) = delete;

  // Creates the namespace and sets the language to "JScript". When the
  // engine cannot be set up the host stays inert and every call reports an
  // error record saying so.
  void Init();

  // Releases the namespace. Later calls behave as on an inert host.
  virtual void Destroy();
  // A second host that shares this host's namespace.
  virtual std::unique_ptr<ScriptHost> Copy() const;
  virtual ScriptError GetError() const;
  // With `set`, anything but exactly "JScript" becomes "VBScript" (written
  // back into `language`) and is recorded; returns the language in force.
  virtual std::string Language(std::string& language, bool set);
  virtual std::string Eval(std::string_view expression);
  virtual int ExecuteStatement(std::string_view statement);
  virtual std::string Run(std::string_view name, std::string_view arg1 = {},
                          std::string_view arg2 = {},
                          std::string_view arg3 = {},
                          std::string_view arg4 = {},
                          std::string_view arg5 = {});
  virtual std::string RunWithNumbers(std::string_view name,
                                     std::string_view arg1, int32_t arg2,
                                     int32_t arg3, std::string_view arg4,
                                     std::string_view arg5);
  // As Run, with the result as the bytes of its UTF-16LE units.
  virtual std::string RunBytes(std::string_view name,
                               std::string_view arg1 = {},
                               std::string_view arg2 = {},
                               std::string_view arg3 = {},
                               std::string_view arg4 = {},
                               std::string_view arg5 = {});
  // Starts the namespace afresh.
  virtual int Reset();
  virtual int AddCode(std::string_view code);

  struct State;  // engine-side state, shared by copies

 private:
  explicit ScriptHost(std::shared_ptr<State> state);
  std::shared_ptr<State> state_;
};

}  // namespace bramble

#endif  // BRAMBLE_HOST_SCRIPT_HOST_H_
