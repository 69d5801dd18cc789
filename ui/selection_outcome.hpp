// What the user is told of how the selection's chord ended.
#pragma once

#include <string>

#include "selection.hpp"

namespace numora::ui {

// The message for a result; empty where there is nothing to say: the words
// are in place and the clipboard is back, or Numora's own window was in front.
std::wstring message_of(const SelectionResult& result);

}  // namespace numora::ui
