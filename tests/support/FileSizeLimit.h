#pragma once

#include <sys/resource.h>

namespace orvella::testing {

// While it lives, no file of this process can grow beyond the limit. What a write past it does
// is left to the program's own process set-up (PrepareProcess), as in the shipped program.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        m_active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_old); }
    bool active() const { return m_active; }

private:
    rlimit m_old{};
    bool m_active = false;
};

} // namespace orvella::testing
