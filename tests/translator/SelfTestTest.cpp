#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Cp1251.h"
#include "SelfTest.h"
#include "TranslatorTestUtil.h"

namespace {

std::vector<CSelfTestStep> Steps()
{
    const auto steps = SelfTestSteps();
    return {steps.begin(), steps.end()};
}

CSelfTestStep& StepWithMessage(std::vector<CSelfTestStep>& steps, std::string_view message)
{
    for (CSelfTestStep& step : steps)
        if (step.message == message)
            return step;
    ADD_FAILURE() << "no step reports " << message;
    return steps.front();
}

} // namespace

TEST(SelfTest, OurTranslatorPassesSilently)
{
    CNotifyRecorder recorder;
    RunSelfTest();
    EXPECT_EQ(recorder.m_messages, std::vector<std::string>{});
}

TEST(SelfTest, EachWrongExpectationReportsItsMessage)
{
    std::vector<CSelfTestStep> steps = Steps();
    StepWithMessage(steps, "Error!! #2").expected = "_cpp:int A2;\n";
    StepWithMessage(steps, "Error!!").expected = "Operation.Attribute(\"AA\")=123;\n";
    StepWithMessage(steps, "Error 3").expected = "NAME12345_ABC";
    CNotifyRecorder recorder;
    RunSelfTest(steps);
    EXPECT_EQ(recorder.m_messages, (std::vector<std::string>{"Error!! #2", "Error!!", "Error 3"}));
}

TEST(SelfTest, TranslationErrorEndsTheRunWithOneMessage)
{
    std::vector<CSelfTestStep> steps = Steps();
    CSelfTestStep& broken = StepWithMessage(steps, "Error!!");
    const std::string source = "IF A THEN";
    broken.text = source;
    StepWithMessage(steps, "Error 1").expected = "wrong";
    CNotifyRecorder recorder;
    RunSelfTest(steps);
    EXPECT_EQ(recorder.m_messages, std::vector<std::string>{"IF A THEN<?>\n...\n" + std::string("Ожидается слово"_w)});
}
