// A full disk for the tests: while a FileSizeLimit lives, no file of the process grows beyond
// its limit, and a write past it fails (EFBIG) instead of ending the process.
#pragma once

#include <csignal>
#include <sys/resource.h>

namespace ostrel::testing {

struct FileSizeLimit {
    rlimit saved{};
    explicit FileSizeLimit(rlim_t limit) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved);
        const rlimit lower{limit, saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &lower);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved); }
};

} // namespace ostrel::testing
