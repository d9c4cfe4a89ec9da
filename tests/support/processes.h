#pragma once
// Live processes as /proc shows them, for tests that check what a run leaves behind.
#include <cstddef>
#include <string>
#include <vector>

namespace vc::test {

struct ProcInfo {
    int pid;
    int ppid;
    char state;
    std::string comm;
};

// Live (not zombie) processes of a process group.
std::vector<ProcInfo> GroupMembers(long long pgid);
// Live (not zombie) children of a process.
std::vector<ProcInfo> ChildrenOf(int pid);
// Children of a process not yet waited for, zombies included: their CPU is not yet counted
// in RUSAGE_CHILDREN.
std::size_t UnwaitedChildCount(int pid);
bool HasMember(const std::vector<ProcInfo>& members, const std::string& comm);
// Whether a process is alive (not a zombie).
bool IsAlive(int pid);
// Resident memory of this process in KB (-1 when /proc cannot tell).
long ResidentKb();
// CPU seconds (user and system) of this process (RUSAGE_SELF) or of its children that have
// ended (RUSAGE_CHILDREN). On a machine that others share, wall times follow their load; CPU
// times hardly do.
double CpuSeconds(int who);

}  // namespace vc::test
