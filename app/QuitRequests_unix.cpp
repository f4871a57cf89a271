#include "app/QuitRequests.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <memory>
#include <utility>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr std::array<int, 3> kQuitSignals {SIGINT, SIGTERM, SIGHUP};

// A signal handler may do almost nothing: it writes a byte to a socket that the window's
// thread watches, and that thread does the rest.
int s_requestEnds[2] = {-1, -1};
std::unique_ptr<QSocketNotifier> s_pNotifier;
std::function<void()> s_quit;
std::array<struct sigaction, kQuitSignals.size()> s_previous {};
std::array<bool, kQuitSignals.size()> s_followed {};

extern "C" void NoteQuitRequest(int)
{
    const int savedErrno = errno;
    const char request = 1;
    [[maybe_unused]] const ssize_t written = ::write(s_requestEnds[0], &request, 1);
    errno = savedErrno;
}

void ReadQuitRequests()
{
    char requests[16];
    while (::read(s_requestEnds[1], requests, sizeof requests) > 0) {
    }
    if (s_quit)
        s_quit();
}

}

void FollowQuitRequests(std::function<void()> quit)
{
    StopFollowingQuitRequests();
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, s_requestEnds) != 0)
        return;
    s_quit = std::move(quit);
    s_pNotifier = std::make_unique<QSocketNotifier>(s_requestEnds[1], QSocketNotifier::Read);
    QObject::connect(s_pNotifier.get(), &QSocketNotifier::activated, s_pNotifier.get(), &ReadQuitRequests);
    struct sigaction action {};
    action.sa_handler = NoteQuitRequest;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (size_t index = 0; index < kQuitSignals.size(); ++index) {
        struct sigaction& previous = s_previous[index];
        s_followed[index] = ::sigaction(kQuitSignals[index], nullptr, &previous) == 0 && previous.sa_handler != SIG_IGN
            && ::sigaction(kQuitSignals[index], &action, nullptr) == 0;
    }
}

void StopFollowingQuitRequests()
{
    for (size_t index = 0; index < kQuitSignals.size(); ++index)
        if (std::exchange(s_followed[index], false))
            ::sigaction(kQuitSignals[index], &s_previous[index], nullptr);
    s_pNotifier.reset();
    s_quit = nullptr;
    for (int& end : s_requestEnds)
        if (end >= 0)
            ::close(std::exchange(end, -1));
}
