#pragma once

#include <ostream>
#include <string>

// Ends the output of a command: flushes out and, when any write to it
// failed, says why on err ("kelmo: write error: No space left on device")
// and returns 1; otherwise returns status. A reader that went away (a closed
// pipe, as after `| head -1`) is no error to report: the result is 1 without
// a message. The reason is taken from errno, so call it right after writing.
int FinishOutput(std::ostream& out, std::ostream& err, int status);

// Says on err that a write failed with the errno value error, as
// FinishOutput does, and returns 1.
int WriteFailed(int error, std::ostream& err);

// Says on err that file could not be written and why, naming it ("kelmo:
// cannot write 'scan.json': Permission denied"); "-", standard output, as
// WriteFailed does. Quiet, as FinishOutput is, when the reader went away
// (error is EPIPE). Returns 1.
int CannotWrite(const std::string& file, int error, const std::string& reason, std::ostream& err);
