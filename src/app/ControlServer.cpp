#include "ControlServer.h"

#include "ControlSocket.h"
#include "core/Log.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <QVariant>
#include <sys/socket.h>
#include <unistd.h>

namespace {
bool peerIsThisUser(const QLocalSocket& socket) {
    struct ucred credentials {};
    socklen_t size = sizeof credentials;
    const int fd = static_cast<int>(socket.socketDescriptor());
    if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &size) != 0)
        return false;
    return credentials.uid == ::getuid();
}
} // namespace

ControlServer::ControlServer(QObject* parent)
    : QObject(parent)
    , server_(new QLocalServer(this)) {
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &ControlServer::acceptConnections);
}

ControlServer::~ControlServer() = default;

void ControlServer::addCommand(const std::string& name, Command command) {
    commands_[name] = std::move(command);
}

bool ControlServer::anotherInstanceAnswers() {
    std::string path;
    if (!ControlSocket::path(path))
        return false;
    QLocalSocket probe;
    probe.connectToServer(QString::fromStdString(path));
    return probe.waitForConnected(500);
}

Status ControlServer::listen() {
    std::string path;
    Status found = ControlSocket::path(path);
    if (!found)
        return found;
    const QString name = QString::fromStdString(path);
    if (server_->listen(name))
        return Status::success();
    if (server_->serverError() == QAbstractSocket::AddressInUseError) {
        if (anotherInstanceAnswers())
            return Status::failure("another Parlon already answers on " + path);
        // A socket left behind by a program that did not end cleanly.
        QLocalServer::removeServer(name);
        if (server_->listen(name))
            return Status::success();
    }
    return Status::failure(path + ": " + server_->errorString().toStdString());
}

void ControlServer::acceptConnections() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        if (open_ >= maxConnections || !peerIsThisUser(*socket)) {
            if (open_ >= maxConnections)
                Log::warningOnce("control-busy", "too many control connections at once; "
                                                 "dropping the surplus");
            else
                Log::warning("refused a control connection from another user");
            socket->abort();
            socket->deleteLater();
            continue;
        }
        ++open_;
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QObject::destroyed, this, [this] { --open_; });
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(socket); });
        QTimer::singleShot(requestTimeoutMs, socket, [socket] { socket->abort(); });
        if (socket->bytesAvailable() > 0)
            readRequest(socket);
    }
}

void ControlServer::answer(QLocalSocket* socket, const std::string& line) {
    socket->write(line.data(), static_cast<qint64>(line.size()));
    socket->write("\n", 1);
}

void ControlServer::readRequest(QLocalSocket* socket) {
    if (socket->property("answered").toBool())
        return;
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > static_cast<qint64>(ControlSocket::maxRequestBytes)) {
            Log::warning("refused a control request longer than " +
                         std::to_string(ControlSocket::maxRequestBytes) + " bytes");
            answer(socket, "error: request too long");
            socket->disconnectFromServer();
            socket->setProperty("answered", true);
        }
        return;
    }
    socket->setProperty("answered", true);
    QByteArray raw = socket->readLine(ControlSocket::maxRequestBytes + 2);
    if (raw.endsWith('\n'))
        raw.chop(1);
    const std::string line = raw.toStdString();
    const Status valid = ControlSocket::validateRequest(line);
    if (!valid) {
        Log::warning("refused a control request: " + valid.message());
        answer(socket, "error: " + valid.message());
        socket->disconnectFromServer();
        return;
    }
    const std::size_t blank = line.find(' ');
    const std::string name = line.substr(0, blank);
    const std::string argument =
        blank == std::string::npos ? std::string() : line.substr(blank + 1);
    std::vector<std::string> out;
    Status done = Status::failure("unknown request \"" + name + "\"");
    if (auto found = commands_.find(name); found != commands_.end())
        done = found->second(argument, out);
    for (const auto& outLine : out)
        answer(socket, outLine);
    answer(socket, done ? std::string("ok") : "error: " + done.message());
    socket->disconnectFromServer();
}
