#pragma once
// Numbers typed into edit boxes. Unlike the file readers, which take what they can, an edit box
// refuses a text that is not wholly a number: the conversion error stops the handler that asked,
// and the handler guard shows it in the standard error box.

#include <stdexcept>
#include <string>
#include <string_view>

namespace tremora {

class ConversionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Optional leading blanks, an optional sign and decimal digits, within the int range.
// Throws ConversionError("'12a' は整数として正しくありません。") otherwise.
int TextToInt(std::string_view text);
// A decimal number with optional exponent, blanks allowed around it, within the float range.
// Throws ConversionError("'x' は数値として正しくありません。") otherwise.
float TextToFloat(std::string_view text);

}  // namespace tremora
