#include "processes.h"

#include <sys/resource.h>

#include <QDir>
#include <QStringList>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>

namespace vc::test {

namespace {

std::vector<ProcInfo> Scan(const std::function<bool(const ProcInfo&, long long pgrp)>& wanted,
                           bool zombies) {
    std::vector<ProcInfo> found;
    const QStringList entries = QDir("/proc").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& e : entries) {
        bool isPid = false;
        const int pid = e.toInt(&isPid);
        if (!isPid) continue;
        std::ifstream in("/proc/" + e.toStdString() + "/stat");
        const std::string text((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
        const auto open = text.find('(');
        const auto close = text.rfind(')');
        if (open == std::string::npos || close == std::string::npos) continue;
        std::istringstream rest(text.substr(close + 2));
        char state = 0;
        long ppid = 0;
        long long pgrp = 0;
        rest >> state >> ppid >> pgrp;
        const ProcInfo info{pid, static_cast<int>(ppid), state,
                            text.substr(open + 1, close - open - 1)};
        if ((zombies || (state != 'Z' && state != 'X')) && wanted(info, pgrp))
            found.push_back(info);
    }
    return found;
}

std::vector<ProcInfo> Live(const std::function<bool(const ProcInfo&, long long pgrp)>& wanted) {
    return Scan(wanted, false);
}

}  // namespace

std::vector<ProcInfo> GroupMembers(long long pgid) {
    return Live([pgid](const ProcInfo&, long long pgrp) { return pgrp == pgid; });
}

std::vector<ProcInfo> ChildrenOf(int pid) {
    return Live([pid](const ProcInfo& p, long long) { return p.ppid == pid; });
}

std::size_t UnwaitedChildCount(int pid) {
    return Scan([pid](const ProcInfo& p, long long) { return p.ppid == pid; }, true).size();
}

bool HasMember(const std::vector<ProcInfo>& members, const std::string& comm) {
    for (const auto& m : members)
        if (m.comm == comm) return true;
    return false;
}

bool IsAlive(int pid) {
    return !Live([pid](const ProcInfo& p, long long) { return p.pid == pid; }).empty();
}

long ResidentKb() {
    std::ifstream in("/proc/self/status");
    std::string key;
    long value = 0;
    while (in >> key) {
        if (key == "VmRSS:") {
            in >> value;
            return value;
        }
        std::getline(in, key);
    }
    return -1;
}

double CpuSeconds(int who) {
    rusage u{};
    ::getrusage(who, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

}  // namespace vc::test
