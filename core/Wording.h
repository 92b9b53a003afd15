#pragma once

#include <string>
#include <vector>

// Marks a text for the translators without Qt: the same definition as Qt's,
// so that either may come first.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

// A sentence the user reads, kept as its English source text (marked with
// QT_TRANSLATE_NOOP under context) and the words put in for %1, %2 ... %9:
// the windows show it in the user's language, the error output in English.
struct Wording {
    const char *context = nullptr;
    const char *source = nullptr;
    std::vector<std::string> args;

    bool Empty() const { return !source || !*source; }
    // The source text with its words put in.
    std::string English() const;
};

// text with %1 ... %9 replaced by args[0] ... args[8], in one pass: a word
// that holds "%2" is not replaced again. A marker without its word stays.
std::string FillIn(const std::string &text, const std::vector<std::string> &args);
