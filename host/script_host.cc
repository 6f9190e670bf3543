#include "host/script_host.h"

#include <js/CallAndConstruct.h>
#include <js/CompilationAndEvaluation.h>
#include <js/Conversions.h>
#include <js/GlobalObject.h>
#include <js/Initialization.h>
#include <js/PropertyAndElement.h>
#include <js/SourceText.h>
#include <js/String.h>
#include <jsapi.h>

#include <optional>

#include "host/engine.h"
#include "host/error_report.h"
#include "text/byte_text.h"
#include "text/gb18030.h"

namespace bramble {

struct ScriptHost::State {
  ~State() {
    if (engine != nullptr && engine == Engine::Current()) {
      engine->Untrack(&global);
    }
  }
  Engine* engine = nullptr;
  Engine::GlobalSlot global;
  std::string language = "JScript";
  ScriptError error;
  bool initialised = false;
};

namespace {

constexpr char kScriptFile[] = "script";

const JSClass kGlobalClass = {"global", JSCLASS_GLOBAL_FLAGS,
                              &JS::DefaultGlobalClassOps};

// A global with the standard ECMAScript classes and nothing of the host: no
// way to files, network or processes.
JSObject* NewGlobal(JSContext* cx) {
  JS::RealmOptions options;
  JS::RootedObject global(cx,
                          JS_NewGlobalObject(cx, &kGlobalClass, nullptr,
                                             JS::FireOnNewGlobalHook, options));
  if (!global) return nullptr;
  JSAutoRealm realm(cx, global);
  if (!JS::InitRealmStandardClasses(cx)) return nullptr;
  return global;
}

JSString* NewString(JSContext* cx, std::string_view bytes) {
  const std::u16string units = BytesToUtf16(UntilNul(bytes));
  return JS_NewUCStringCopyN(cx, units.data(), units.size());
}

// The value as UTF-16 units; undefined and null give nothing.
bool ValueToUnits(JSContext* cx, JS::HandleValue value, std::u16string& out) {
  out.clear();
  if (value.isUndefined() || value.isNull()) return true;
  JS::RootedString str(
      cx, value.isString() ? value.toString() : JS::ToString(cx, value));
  if (!str) return false;
  out.resize(JS_GetStringLength(str));
  if (!JS_CopyStringChars(cx, mozilla::Range<char16_t>(out.data(), out.size()),
                          str)) {
    return false;
  }
  const size_t nul = out.find(u'\0');
  if (nul != std::u16string::npos) out.resize(nul);
  return true;
}

// Whether the host can run a script now; records why not otherwise.
bool CanRun(ScriptHost::State& s) {
  if (s.engine == nullptr || !s.global) {
    s.error = HostError(kErrorEngineUnavailable,
                        s.initialised ? "the script engine is unavailable"
                                      : "the script host is not set up");
    return false;
  }
  if (s.language != "JScript") {
    s.error = HostError(kErrorLanguageUnavailable,
                        "no VBScript engine exists: only JScript runs here");
    return false;
  }
  return true;
}

// Compiles and runs `text` in the host's global. On failure records the
// error and returns false.
bool RunSource(ScriptHost::State& s, std::string_view text,
               JS::MutableHandleValue result) {
  if (!CanRun(s)) return false;
  JSContext* cx = s.engine->context();
  JSAutoRealm realm(cx, *s.global);
  const std::u16string source = BytesToUtf16(UntilNul(text));
  Engine::RunScope run(*s.engine);
  JS::CompileOptions options(cx);
  options.setFileAndLine(kScriptFile, 1);
  JS::SourceText<char16_t> buffer;
  bool ok = buffer.init(cx, source.data(), source.size(),
                        JS::SourceOwnership::Borrowed);
  JS::RootedScript script(cx, ok ? JS::Compile(cx, options, buffer) : nullptr);
  ok = script && JS_ExecuteScript(cx, script, result);
  if (!ok) {
    s.error = ErrorFromEngine(cx, run, !script);
    return false;
  }
  s.error = ScriptError{};
  return true;
}

// Calls the global function `name` with `args`; the result in `units`.
bool CallFunction(ScriptHost::State& s, std::string_view name,
                  const JS::HandleValueArray& args, std::u16string& units) {
  JSContext* cx = s.engine->context();
  Engine::RunScope run(*s.engine);
  const std::u16string function_name = BytesToUtf16(UntilNul(name));
  JS::RootedObject global(cx, *s.global);
  JS::RootedValue function(cx);
  JS::RootedValue result(cx);
  const bool ok = JS_GetUCProperty(cx, global, function_name.data(),
                                   function_name.size(), &function) &&
                  JS_CallFunctionValue(cx, global, function, args, &result) &&
                  ValueToUnits(cx, result, units);
  if (!ok) {
    units.clear();
    s.error = ErrorFromEngine(cx, run, false);
    return false;
  }
  s.error = ScriptError{};
  return true;
}

// Run and its variants: `numbers` replaces the second and third argument.
std::u16string RunWithArgs(
    ScriptHost::State& s, std::string_view name,
    const std::string_view (&texts)[5],
    const std::optional<std::pair<int32_t, int32_t>>& numbers) {
  std::u16string units;
  if (!CanRun(s)) return units;
  JSContext* cx = s.engine->context();
  JSAutoRealm realm(cx, *s.global);
  JS::RootedValueArray<5> args(cx);
  for (int i = 0; i < 5; ++i) {
    JSString* str = NewString(cx, texts[i]);
    if (str == nullptr) {
      s.error = HostError(kErrorOutOfMemory, "out of memory");
      return units;
    }
    args[i].setString(str);
  }
  if (numbers) {
    args[1].setInt32(numbers->first);
    args[2].setInt32(numbers->second);
  }
  CallFunction(s, name, args, units);
  return units;
}

}  // namespace

ScriptHost::ScriptHost() : state_(std::make_shared<State>()) {}
ScriptHost::ScriptHost(std::shared_ptr<State> state)
    : state_(std::move(state)) {}
ScriptHost::~ScriptHost() = default;

void ScriptHost::Init() {
  State& s = *state_;
  s.initialised = true;
  s.engine = Engine::Get();
  if (s.engine != nullptr) {
    JSContext* cx = s.engine->context();
    JSObject* global = NewGlobal(cx);
    if (global != nullptr) {
      s.global.emplace(cx, global);
      s.engine->Track(&s.global);
    } else {
      JS_ClearPendingException(cx);
    }
  }
  if (!s.global) {
    s.error =
        HostError(kErrorEngineUnavailable, "the script engine is unavailable");
    return;
  }
  std::string language = "JScript";
  Language(language, true);
}

void ScriptHost::Destroy() {
  State& s = *state_;
  if (s.engine != nullptr && s.engine == Engine::Current()) {
    s.engine->Untrack(&s.global);
    s.global.reset();
  }
  s.engine = nullptr;
}

std::unique_ptr<ScriptHost> ScriptHost::Copy() const {
  return std::unique_ptr<ScriptHost>(new ScriptHost(state_));
}

ScriptError ScriptHost::GetError() const { return state_->error; }

std::string ScriptHost::Language(std::string& language, bool set) {
  State& s = *state_;
  if (!s.global) return {};
  if (set) {
    if (language != "JScript") language = "VBScript";
    s.language = language;
  }
  return s.language;
}

std::string ScriptHost::Eval(std::string_view expression) {
  State& s = *state_;
  if (!CanRun(s)) return {};
  JSContext* cx = s.engine->context();
  JSAutoRealm realm(cx, *s.global);
  JS::RootedValue value(cx);
  if (!RunSource(s, expression, &value)) return {};
  Engine::RunScope run(*s.engine);
  std::u16string units;
  if (!ValueToUnits(cx, value, units)) {
    s.error = ErrorFromEngine(cx, run, false);
    return {};
  }
  return Utf16ToBytes(units);
}

int ScriptHost::ExecuteStatement(std::string_view statement) {
  State& s = *state_;
  if (!CanRun(s)) return 0;
  JS::RootedValue ignored(s.engine->context());
  RunSource(s, statement, &ignored);
  return 0;
}

std::string ScriptHost::Run(std::string_view name, std::string_view arg1,
                            std::string_view arg2, std::string_view arg3,
                            std::string_view arg4, std::string_view arg5) {
  const std::string_view texts[5] = {arg1, arg2, arg3, arg4, arg5};
  return Utf16ToBytes(RunWithArgs(*state_, name, texts, std::nullopt));
}

std::string ScriptHost::RunWithNumbers(std::string_view name,
                                       std::string_view arg1, int32_t arg2,
                                       int32_t arg3, std::string_view arg4,
                                       std::string_view arg5) {
  const std::string_view texts[5] = {arg1, {}, {}, arg4, arg5};
  return Utf16ToBytes(
      RunWithArgs(*state_, name, texts, std::make_pair(arg2, arg3)));
}

std::string ScriptHost::RunBytes(std::string_view name, std::string_view arg1,
                                 std::string_view arg2, std::string_view arg3,
                                 std::string_view arg4, std::string_view arg5) {
  const std::string_view texts[5] = {arg1, arg2, arg3, arg4, arg5};
  const std::u16string units = RunWithArgs(*state_, name, texts, std::nullopt);
  std::string bytes;
  bytes.reserve(units.size() * 2);
  for (char16_t u : units) {
    bytes.push_back(static_cast<char>(u & 0xFF));
    bytes.push_back(static_cast<char>(u >> 8));
  }
  return bytes;
}

int ScriptHost::Reset() {
  State& s = *state_;
  if (!CanRun(s)) return 0;
  JSObject* global = NewGlobal(s.engine->context());
  if (global == nullptr) {
    JS_ClearPendingException(s.engine->context());
    s.error = HostError(kErrorOutOfMemory, "out of memory");
    return 0;
  }
  s.global.emplace(s.engine->context(), global);
  s.error = ScriptError{};
  return 0;
}

int ScriptHost::AddCode(std::string_view code) {
  return ExecuteStatement(code);
}

}  // namespace bramble
