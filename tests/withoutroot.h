#pragma once

#include <unistd.h>
#include <QtGlobal>

// Root writes into read-only folders, so a test of such a folder drops to nobody (user
// and group) while it writes, and comes back afterwards. Other users stay who they are.
class WithoutRoot {
  public:
    WithoutRoot() : wasRoot_(geteuid() == 0) {
        if (wasRoot_ && (setegid(kNobody) != 0 || seteuid(kNobody) != 0)) {
            qFatal("cannot leave root");
        }
    }
    ~WithoutRoot() {
        if (wasRoot_ && (seteuid(0) != 0 || setegid(0) != 0)) {
            qFatal("cannot return to root");
        }
    }
    WithoutRoot(const WithoutRoot&) = delete;
    WithoutRoot& operator=(const WithoutRoot&) = delete;

  private:
    static constexpr int kNobody = 65534;
    bool wasRoot_;
};
