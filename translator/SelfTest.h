// The start-up self-test: a fixed list of small translations run through
// one fresh translator; mismatches and errors are told through Notify.
#pragma once

#include <span>
#include <string_view>

struct CSelfTestStep {
    enum EInput {
        kSource,   // text becomes the translator's source (SetSource)
        kContinue, // goes on with the source of the step before; text is the
                   // operation's argument (the character for kChar)
        kText,     // text is handed to the operation as it is
    };
    enum EOp {
        kStatementList,
        kPreprocess,
        kProcedure,
        kOperand,
        kString,
        kChar,
        kIf,
        kWord,
        kName,
        kConst,
        kLabel,
        kGoto,
        kAssemble,
    };
    EInput input;
    EOp op;
    std::string_view text;
    std::string_view expected = {}; // compared only when message is set
    std::string_view message = {};  // shown when the result differs
};

std::span<const CSelfTestStep> SelfTestSteps();

// Runs the steps in order; the first translation error is shown and ends
// the run.
void RunSelfTest(std::span<const CSelfTestStep> steps);
