#include "host/error_report.h"

#include <js/ErrorReport.h>
#include <js/Exception.h>
#include <js/friend/ErrorMessages.h>

#include "text/gb18030.h"

namespace bramble {
namespace {

const char* ExceptionKindName(int16_t type) {
  switch (type) {
    case JSEXN_ERR:
      return "Error";
    case JSEXN_INTERNALERR:
      return "InternalError";
    case JSEXN_AGGREGATEERR:
      return "AggregateError";
    case JSEXN_EVALERR:
      return "EvalError";
    case JSEXN_RANGEERR:
      return "RangeError";
    case JSEXN_REFERENCEERR:
      return "ReferenceError";
    case JSEXN_SYNTAXERR:
      return "SyntaxError";
    case JSEXN_TYPEERR:
      return "TypeError";
    case JSEXN_URIERR:
      return "URIError";
    case JSEXN_WASMCOMPILEERROR:
      return "CompileError";
    case JSEXN_WASMLINKERROR:
      return "LinkError";
    case JSEXN_WASMRUNTIMEERROR:
      return "RuntimeError";
    default:
      return "Error";
  }
}

bool IsLineBreak(char16_t u) {
  return u == u'\n' || u == u'\r' || u == 0x2028 || u == 0x2029;
}

// The engine counts columns in characters (code points) already.
void SetPlace(ScriptError& error, unsigned line, unsigned zero_based_column) {
  error.Line = FormatNumber(line);
  error.Column = FormatNumber(zero_based_column);
}

}  // namespace

ScriptError HostError(HostErrorNumber number, std::string_view description) {
  ScriptError error;
  error.Number = FormatNumber(number);
  error.Source = "Brambleworkshop";
  error.Description = std::string(description);
  return error;
}

ScriptError ErrorFromEngine(JSContext* cx, const Engine::RunScope& run,
                            bool failed_to_compile) {
  const StopReason stop = run.stop_reason();
  if (stop != StopReason::kNone) {
    JS_ClearPendingException(cx);
    ScriptError error =
        stop == StopReason::kTimedOut
            ? HostError(kErrorTimedOut,
                        "the script ran longer than 10 seconds and was stopped")
            : HostError(kErrorOutOfMemory,
                        "the script used more than 768 MB of memory and was "
                        "stopped");
    const StopPlace place = run.stop_place();
    SetPlace(error, place.line, place.column > 0 ? place.column - 1 : 0);
    return error;
  }
  if (!JS_IsExceptionPending(cx)) {
    return HostError(kErrorUnknown, "the script was ended by the engine");
  }
  JS::ExceptionStack exception(cx);
  if (!JS::StealPendingExceptionStack(cx, &exception)) {
    JS_ClearPendingException(cx);
    return HostError(kErrorUnknown, "the script's error could not be read");
  }
  JS::ErrorReportBuilder builder(cx);
  if (!builder.init(cx, exception, JS::ErrorReportBuilder::WithSideEffects)) {
    JS_ClearPendingException(cx);
    return HostError(kErrorUnknown, "the script's error could not be read");
  }
  JS_ClearPendingException(cx);
  const JSErrorReport* report = builder.report();

  ScriptError error;
  error.Number = FormatNumber(report->errorNumber != 0 ? report->errorNumber
                                                       : kErrorUnknown);
  error.Source = report->errorNumber == JSMSG_UNCAUGHT_EXCEPTION
                     ? "uncaught exception"
                     : ExceptionKindName(report->exnType);
  if (report->message()) {
    error.Description = EditorUtf8ToBytes(report->message().c_str());
  }
  if (report->linebuf() != nullptr) {
    std::u16string_view shown(report->linebuf(), report->linebufLength());
    while (!shown.empty() && IsLineBreak(shown.back())) shown.remove_suffix(1);
    error.Text = Utf16ToBytes(shown);
  }
  // The parser reports 0-based columns; errors at run time carry 1-based
  // ones.
  const bool zero_based = failed_to_compile || report->linebuf();
  unsigned column = report->column;
  if (!zero_based && column > 0) --column;
  SetPlace(error, report->lineno, column);
  return error;
}

}  // namespace bramble
