// EZUBError, the common base of every error the library raises, and the message form of
// errors that components raise.
#pragma once

#include "host/classes.hpp"
#include "host/exceptions.hpp"

namespace zub {

ZUB_DECLARE_EXCEPTION(EZUBError, Exception);

// 'Component "<Name>": <Text>', the message of an error raised by a component.
inline UnicodeString ComponentMessage(const TComponent& Component, const UnicodeString& Text) {
  return u"Component \"" + Component.Name() + u"\": " + Text;
}

}  // namespace zub
