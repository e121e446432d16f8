#pragma once

// Programming-error checks of the SWF writer. A violated check names its condition and the
// source position on stderr and ends the process: no input the rest of the system accepts
// reaches the writer in a state that violates one.

[[noreturn]] void FCheckFailed(const char* conditionText, const char* file, int line);

#define F_CHECK(condition, conditionText)                                                          \
    ((condition) ? static_cast<void>(0) : FCheckFailed(conditionText, __FILE__, __LINE__))
