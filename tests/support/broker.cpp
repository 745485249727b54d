// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/broker.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <pwd.h>
#include <unistd.h>

#include <fstream>

namespace telvar::test {

namespace {

constexpr int START_LIMIT_MS = 10000;

quint16 free_port()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    return server.serverPort();
}

bool run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// A CA, and a certificate from it for localhost and 127.0.0.1.
bool make_certificates(const QString& dir)
{
    const auto at = [&](const char* name) { return dir + "/" + name; };
    const QStringList self_signed{"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2"};
    std::ofstream(at("names").toStdString()) << "subjectAltName=DNS:localhost,IP:127.0.0.1\n";
    return run("openssl", self_signed + QStringList{"-keyout", at("ca.key"), "-out", at("ca.crt"), "-subj", "/CN=Test CA"})
           && run("openssl", self_signed + QStringList{"-keyout", at("stranger.key"), "-out", at("stranger.crt"),
                                                       "-subj", "/CN=Stranger CA"})
           && run("openssl", {"req", "-newkey", "rsa:2048", "-nodes", "-keyout", at("server.key"), "-out",
                              at("server.csr"), "-subj", "/CN=localhost"})
           && run("openssl", {"x509", "-req", "-in", at("server.csr"), "-CA", at("ca.crt"), "-CAkey", at("ca.key"),
                              "-CAcreateserial", "-days", "2", "-extfile", at("names"), "-out", at("server.crt")});
}

bool answers(quint16 port)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    return socket.waitForConnected(200);
}

}  // namespace

Broker::Broker()
{
    const QString dir = dir_.path();
    port_ = free_port();
    tls_port_ = free_port();
    if (!make_certificates(dir) || !run("mosquitto_passwd", {"-c", "-b", dir + "/passwords", BROKER_USER, BROKER_PASSWORD}))
        return;
    // As root, mosquitto drops to its own user unless told to stay.
    const passwd* user = getpwuid(geteuid());
    std::ofstream(dir.toStdString() + "/mosquitto.conf")
        << "user " << (user ? user->pw_name : "root") << "\n"
        << "log_dest file " << dir.toStdString() << "/mosquitto.log\n"
        << "per_listener_settings false\nallow_anonymous false\n"
        << "password_file " << dir.toStdString() << "/passwords\n"
        << "persistence true\npersistence_location " << dir.toStdString() << "/\n"
        << "listener " << port_ << " 127.0.0.1\n"
        << "listener " << tls_port_ << " 127.0.0.1\n"
        << "cafile " << dir.toStdString() << "/ca.crt\n"
        << "certfile " << dir.toStdString() << "/server.crt\n"
        << "keyfile " << dir.toStdString() << "/server.key\n";
    start();
}

Broker::~Broker()
{
    stop();
}

QString Broker::cafile() const
{
    return dir_.filePath("ca.crt");
}

QString Broker::stranger_cafile() const
{
    return dir_.filePath("stranger.crt");
}

void Broker::stop()
{
    if (process_.state() != QProcess::NotRunning) {
        process_.terminate();
        process_.waitForFinished(START_LIMIT_MS);
    }
    ready_ = false;
}

bool Broker::start()
{
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.setStandardOutputFile(QProcess::nullDevice());
    process_.start("mosquitto", {"-c", dir_.filePath("mosquitto.conf")});
    QElapsedTimer waited;
    waited.start();
    while (!(ready_ = answers(port_) && answers(tls_port_)) && waited.elapsed() < START_LIMIT_MS
           && process_.state() != QProcess::NotRunning)
        QThread::msleep(50);
    return ready_;
}

Subscriber::Subscriber(const Broker& broker, const QString& topic, const QString& id)
{
    process_.start("mosquitto_sub", {"-h", "127.0.0.1", "-p", QString::number(broker.port()), "-u", BROKER_USER, "-P",
                                     BROKER_PASSWORD, "-q", "1", "-c", "-i", id, "-v", "-t", topic});
    process_.waitForStarted();
}

Subscriber::~Subscriber()
{
    process_.kill();
    process_.waitForFinished();
}

std::vector<Message> Subscriber::messages()
{
    process_.waitForReadyRead(0);
    received_ += process_.readAllStandardOutput().toStdString();
    std::vector<Message> found;
    std::size_t start = 0;
    for (std::size_t end; (end = received_.find('\n', start)) != std::string::npos; start = end + 1) {
        const std::string line = received_.substr(start, end - start);
        const std::size_t space = line.find(' ');
        found.push_back({line.substr(0, space), space == std::string::npos ? "" : line.substr(space + 1)});
    }
    return found;
}

bool Subscriber::wait_for(const std::string& suffix, std::size_t count, int limit_ms)
{
    QElapsedTimer waited;
    waited.start();
    while (on_topic(messages(), suffix).size() < count) {
        if (waited.elapsed() > limit_ms)
            return false;
        process_.waitForReadyRead(100);
    }
    return true;
}

std::vector<Message> on_topic(const std::vector<Message>& messages, const std::string& suffix)
{
    std::vector<Message> found;
    for (const Message& message : messages)
        if (message.topic.size() >= suffix.size()
            && message.topic.compare(message.topic.size() - suffix.size(), suffix.size(), suffix) == 0)
            found.push_back(message);
    return found;
}

}  // namespace telvar::test
