// A SQLite file layer for tests that fails on purpose: the Nth write, sync, lock or delete made
// through it from the moment it is armed fails once, with an I/O error or a full disk, as a
// failing disk or network folder would. Every connection opened after install() goes through it;
// until armed it only counts.
#pragma once

namespace testsupport {

enum class Fault { Write, DiskFull, Sync, Lock, Delete };

class FaultyDisk
{
public:
    // Makes the faulty layer the default for connections opened from now on (once per process).
    static void install();
    // The nth operation of that kind from now fails (n >= 1); the operations after it succeed.
    static void arm(Fault kind, int n);
    static void disarm();
    // Whether the armed failure has happened since arm().
    static bool fired();
};

} // namespace testsupport
