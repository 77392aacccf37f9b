#pragma once

#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace orvella::fuzz {

// A property every input must keep; a broken one ends the run as a crash, so that libFuzzer
// keeps the input.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #condition);           \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

// One private folder for the files of a run.
inline const QTemporaryDir& workFolder()
{
    static const QTemporaryDir folder;
    FUZZ_CHECK(folder.isValid());
    return folder;
}

} // namespace orvella::fuzz
