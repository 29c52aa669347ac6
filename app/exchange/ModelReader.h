#pragma once

#include "SegmentCollector.h"

#include <QString>
#include <cstdio>

// The reading of another program's model, run in a process of its own (the helper
// "zelk-import IN --scale S [--z-up] [--memory-mb N]"): a file
// that makes a library crash, loop or ask for all the machine's memory costs that
// process, never the editor. The process bounds its own address space, picks the reader
// by the file's content (STL and DXF by the program's own readers, everything else by
// the Open Asset Import Library), and writes the segments, or the reason, to its output.
class ModelReader {
public:
    enum class Failure { None, Broken, PointsOnly, TooMany, NoSegments, Memory, Refused, Nested };

    // The worker's whole life: arguments after the program name; the exit code.
    static int WorkerMain(int argc, char** argv);

    // Reads the model into the collector; Failure::None when it was read (it may still
    // hold no segment), else the kind and a text for the user.
    static Failure Read(const QString& path, SegmentCollector& collector, QString& error);

    // The exit codes, and the word after "ZELK-ERROR" in the output.
    static constexpr int kExitOk = 0;
    static constexpr int kExitFailed = 2;
    static constexpr int kExitMemory = 3;
    static const char* FailureWord(Failure failure);
};
