#include "Notify.h"

#include <cstdio>
#include <utility>

namespace {

void WriteToStderr(const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fputc('\n', stderr);
}

NotifySink& Sink()
{
    static NotifySink sink = WriteToStderr;
    return sink;
}

} // namespace

void Notify(const std::string& text)
{
    Sink()(text);
}

NotifySink SetNotifySink(NotifySink sink)
{
    return std::exchange(Sink(), std::move(sink));
}

