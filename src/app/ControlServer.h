#pragma once

#include "core/Status.h"

#include <QObject>
#include <functional>
#include <map>
#include <string>
#include <vector>

class QLocalServer;
class QLocalSocket;

// Serves parlonctl's requests on the per-user control socket. Only the same user may connect
// (the socket's mode and the peer's credentials are both checked); a request that is too long or
// not valid text is refused and logged; slow or surplus connections are dropped, so no client
// can stall the program.
class ControlServer final : public QObject {
    Q_OBJECT
public:
    // Answers a request's argument text with lines of output, or fails.
    using Command =
        std::function<Status(const std::string& argument, std::vector<std::string>& out)>;

    static constexpr int maxConnections = 16;
    static constexpr int requestTimeoutMs = 2000;

    explicit ControlServer(QObject* parent = nullptr);
    ~ControlServer() override;

    void addCommand(const std::string& name, Command command);

    // Listens on the control socket. Fails when another instance already listens there.
    Status listen();
    // Whether a program already answers on the control socket.
    static bool anotherInstanceAnswers();

private:
    void acceptConnections();
    void readRequest(QLocalSocket* socket);
    void answer(QLocalSocket* socket, const std::string& line);

    QLocalServer* server_;
    std::map<std::string, Command> commands_;
    int open_ = 0;
};
