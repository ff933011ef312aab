#pragma once

#include <unistd.h>
#include <QtGlobal>

// Root writes into read-only folders, so a test of such a folder drops to nobody (user
// and group, real and effective, so that access checks see nobody too) while it writes,
// and comes back afterwards through the saved ids. Other users stay who they are.
class WithoutRoot {
  public:
    WithoutRoot() : wasRoot_(geteuid() == 0) {
        if (wasRoot_ &&
            (setresgid(kNobody, kNobody, 0) != 0 || setresuid(kNobody, kNobody, 0) != 0)) {
            qFatal("cannot leave root");
        }
    }
    ~WithoutRoot() {
        if (wasRoot_ && (setresuid(0, 0, 0) != 0 || setresgid(0, 0, 0) != 0)) {
            qFatal("cannot return to root");
        }
    }
    WithoutRoot(const WithoutRoot&) = delete;
    WithoutRoot& operator=(const WithoutRoot&) = delete;

  private:
    static constexpr int kNobody = 65534;
    bool wasRoot_;
};
