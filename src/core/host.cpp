#include "core/host.h"

#include "core/errors.h"

namespace kestrel {

namespace {

// Until a program sets its own host, the engine runs against one that shows nothing and
// answers every question with its default.
class NullHost : public Host {
public:
    void KeepAlive() override { clock_ += 100; }
    long Now() override { return clock_; }
    Answer Ask(const std::string&, Buttons buttons, Icon, const std::string&) override {
        return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
    }

private:
    long clock_ = 0;
};

NullHost nullHost;
Host* current = &nullHost;

}  // namespace

void SetHost(Host& host) { current = &host; }
Host& GetHost() { return *current; }

void FatalError() { throw FatalErrorException(); }

}  // namespace kestrel
