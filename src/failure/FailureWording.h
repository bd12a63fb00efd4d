#pragma once

#include <exception>
#include <string>

namespace zk {
class FileError;
}

// Failures worded for the person, in the current language. The core reports
// what failed, on which path and the system's error number; the words are ours.

// The system's reason for error: a text of our own for the common ones (no
// permission, disk full, file too large, not found), otherwise the system's
// own text in the current language, or its number when the system has no text
// in that language.
std::string SystemReason(int error);

// A failure of the activity log as one sentence.
std::string FileFailureText(const zk::FileError &error);

// Any failure: a file's worded as above, an overflow by a text of ours,
// another's by its own text.
std::string FailureReason(const std::exception &error);
