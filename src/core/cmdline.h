#pragma once
// Building and splitting command lines by the Windows command-line rules, so that the
// program can build one command-line text and run it without any shell.
#include <string>
#include <vector>

namespace vc {

// Wraps the text in double quotes when it holds a blank, a tab or a double quote, escaping
// quotes and the backslashes before them so that SplitCommandLine gives the text back unchanged.
// Other texts (no blank, no quote) are returned as they are.
std::string QuoteIfBlank(const std::string& text);

// Splits a command line into arguments with the Windows rules: blanks separate arguments
// outside quotes; 2n backslashes before a quote give n backslashes and the quote toggles
// quoting; 2n+1 backslashes before a quote give n backslashes and a literal quote; other
// backslashes are literal; "" inside quotes gives a literal quote.
std::vector<std::string> SplitCommandLine(const std::string& line);

}  // namespace vc
