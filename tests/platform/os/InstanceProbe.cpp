// Usage: os_instance_probe <lock folder> <name> try|hold
// Exit 0: the guard was taken (and, with "hold", kept until stdin closed);
// 3: another instance holds it; 2: bad arguments.
#include "platform/os/SingleInstanceGuard.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc != 4)
        return 2;
    os::SingleInstanceGuard guard(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[1]));
    if (guard.acquire() != os::SingleInstanceGuard::Result::Acquired)
        return 3;
    if (std::strcmp(argv[3], "hold") == 0) {
        std::puts("locked");
        std::fflush(stdout);
        char line[64];
        while (std::fgets(line, sizeof line, stdin)) {
        }
    }
    return 0;
}
