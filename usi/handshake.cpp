#include "usi/handshake.h"

namespace xantu::usi {

namespace {

// Why a wait for an answer came back empty, the answer awaited being `missing`.
HandshakeStatus failedWait(EngineProcess& e, HandshakeStatus missing) {
    const HandshakeStatus status = e.interrupted()   ? HandshakeStatus::Interrupted
                                   : e.lineTooLong() ? HandshakeStatus::LineTooLong
                                                     : missing;
    e.stop();
    const bool shellGaveUp = e.exitStatus() == 126 || e.exitStatus() == 127;
    return status == HandshakeStatus::NoUsiOk && shellGaveUp ? HandshakeStatus::NotFound : status;
}

}  // namespace

std::string setOptionLine(const std::string& nameValue) {
    const std::size_t eq = nameValue.find('=');
    return "setoption name " + nameValue.substr(0, eq) +
           (eq == std::string::npos ? std::string() : " value " + nameValue.substr(eq + 1));
}

std::optional<std::string> awaitLine(EngineProcess& e, std::string_view prefix, Clock::time_point deadline,
                                     const std::atomic<bool>* interrupt) {
    for (;;) {
        std::optional<std::string> line = e.readLine(deadline, interrupt);
        if (!line) return std::nullopt;
        if (line->starts_with(prefix)) return line;
    }
}

HandshakeStatus handshake(EngineProcess& e, const std::vector<std::string>& options, Clock::time_point deadline,
                          std::string& name, const std::atomic<bool>* interrupt) {
    if (!e.running()) {
        if (!e.start()) return HandshakeStatus::NoStart;
        e.send("usi");
        for (;;) {
            std::optional<std::string> line = e.readLine(deadline, interrupt);
            if (!line) return failedWait(e, HandshakeStatus::NoUsiOk);
            if (line->starts_with("id name ")) name = line->substr(8);
            if (*line == "usiok") break;
        }
        for (const std::string& o : options) e.send(setOptionLine(o));
    }
    e.send("isready");
    if (!awaitLine(e, "readyok", deadline, interrupt)) return failedWait(e, HandshakeStatus::NoReadyOk);
    return HandshakeStatus::Ok;
}

}  // namespace xantu::usi
