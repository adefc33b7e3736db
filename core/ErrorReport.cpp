#include "core/ErrorReport.h"

#include <exception>
#include <new>

#include "core/Win32Error.h"

namespace core {
namespace {

// The numbers the handlers have always shown for these failures.
constexpr std::int32_t kOutOfMemory = 7;
constexpr std::int32_t kInternalError = 51;

}  // namespace

ErrorReport ReportCurrentException() {
  try {
    throw;
  } catch (const Win32Error& e) {
    return {L"内部エラーです。" + Win32ErrorText(e), kInternalError};
  } catch (const std::bad_alloc&) {
    return {L"メモリが不足しています。", kOutOfMemory};
  } catch (const std::exception& e) {
    return {L"内部エラーです。" + WidenAscii(e.what()), kInternalError};
  } catch (...) {
    return {L"内部エラーです。", kInternalError};
  }
}

}  // namespace core
