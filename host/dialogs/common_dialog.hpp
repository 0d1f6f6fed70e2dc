// The base class of the platform's common dialogs, the modal results they report and the
// handle of an owner window.
#pragma once

#include <cstdint>

#include "host/classes.hpp"

namespace zub {

// A native top-level window: its XID on X11, its HWND on Windows; 0 is none.
using HWND = uintptr_t;

// What a modal dialog or a question answered, in the platform's numbering.
using TModalResult = int32_t;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = 1;
inline constexpr TModalResult mrCancel = 2;
inline constexpr TModalResult mrAbort = 3;
inline constexpr TModalResult mrRetry = 4;
inline constexpr TModalResult mrIgnore = 5;
inline constexpr TModalResult mrYes = 6;
inline constexpr TModalResult mrNo = 7;

// A dialog component: it exists without a window and shows one only while Execute runs.
class TCommonDialog : public TComponent {
 public:
  explicit TCommonDialog(TComponent* AOwner) : TComponent(AOwner) {}
  UnicodeString ClassName() const override { return u"TCommonDialog"; }

  // Shows the dialog modally; true when the user accepted it.
  virtual bool Execute() = 0;
};

}  // namespace zub
