// Number boxes take only the characters of their numbers: a printable key
// outside them is refused with a beep, as the form's boxes always did.
#pragma once

#include <functional>

class QChar;
class QKeyEvent;

// True, with the key beeped and accepted, when `event` types a character that
// `accepted` refuses; shortcuts (Ctrl, Alt) and control keys pass.
bool RefuseUnacceptedKey(QKeyEvent* event, const std::function<bool(QChar)>& accepted);
