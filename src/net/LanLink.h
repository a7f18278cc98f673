#pragma once
// The LAN link between two copies of the program, on Qt sockets: the server listens and plays
// with its first connection only, the client connects; the handshake exchanges the players'
// names; afterwards the link carries the play and chat messages both ways.
//
// Incoming bytes go through LanMessageReader, so a message split over several reads is
// completed and several messages in one read are all delivered, in order. Delivery can be
// held while the game waits (a sound played to its end, the card flight, the pause after a
// LAN settlement): messages that arrive meanwhile queue up and follow when it is released.
//
// Everything runs on the thread of the event loop; no signal is emitted from inside a call
// of the caller's, except where a method says so.

#include <QHostAddress>
#include <QObject>
#include <QString>
#include <deque>
#include <string>
#include <string_view>

#include "net/LanMessage.h"
#include "net/LanMessageReader.h"

class QTcpServer;
class QTcpSocket;

namespace zendral::net {

// LinkStage values.
inline constexpr int kLinkIdle = 0;
inline constexpr int kLinkStarting = 1;  // listening (server) or connecting (client)
inline constexpr int kLinkJoined = 2;    // the handshake is done
inline constexpr int kLinkDealSent = 3;  // server: a deal has gone to the client

class LanLink : public QObject {
  Q_OBJECT

 public:
  explicit LanLink(QObject* parent = nullptr);
  ~LanLink() override;

  // The own name as sent in the handshake (Windows-1251 bytes; padded to 20 on the wire).
  void SetOwnName(std::string_view wireName) { ownName_ = std::string(wireName); }

  // Server: LinkStage 1 and listening. Port 0 lets the system choose (see ServerPort). When
  // the port cannot be opened the result is false, SocketErrorSeen is set (the waiting window
  // then reports that no game is accessible) and LinkFailed is emitted before returning.
  bool StartServer(quint16 port, const QHostAddress& address = QHostAddress::Any);
  // Client: LinkStage 1 and connecting; the join request goes out once connected. As the
  // waiting window expects, WaitingForDeal and SocketErrorSeen are set from the start: the
  // handshake closes the window before its first tick on a working network.
  void StartClient(const QString& host, quint16 port);

  // One message to the peer in one write, pushed to the network at once (the game may block
  // right after sending, and the peer must not wait for that). False without a connection.
  // A deal sent by the server moves LinkStage to 3.
  bool Send(std::string_view message);

  // The waiting window's Cancel: closes the socket of the role; LinkStage 0.
  void Cancel();
  // The end of the session or the exit to the menu: closes the socket of the role and the
  // connection, which the peer sees as a disconnection. LinkStage keeps its value.
  void Close();

  // CloseServerPending: the listening socket closes on the next menu tick (OnMenuTick).
  void RequestCloseServer() { closeServerPending_ = true; }
  void OnMenuTick();

  // While held, received messages queue up; releasing delivers them from the event loop,
  // never from inside this call. A completed handshake holds the link (see PeerJoined).
  void SetHeld(bool held);
  bool IsHeld() const { return held_; }

  int Role() const { return role_; }
  int LinkStage() const { return linkStage_; }
  bool WaitingForDeal() const { return waitingForDeal_; }
  void SetWaitingForDeal(bool waiting) { waitingForDeal_ = waiting; }
  bool SocketErrorSeen() const { return socketErrorSeen_; }
  bool CloseServerPending() const { return closeServerPending_; }
  bool IsListening() const;
  bool IsConnected() const;
  quint16 ServerPort() const;
  // The peer's name from the handshake: its 20-byte field without the last byte.
  const std::string& PeerName() const { return peerName_; }
  // The connection to the peer (the server's first connection, or the client socket).
  const QTcpSocket* Connection() const { return peer_; }
  // Bytes of an incomplete message held for the next read.
  std::size_t PendingBytes() const { return reader_.PendingSize(); }
  // Messages received and not yet delivered (held, or behind the one being delivered).
  std::size_t QueuedMessages() const { return queue_.size(); }

 Q_SIGNALS:
  // The handshake is done (server: a client's join request was accepted and answered;
  // client: the join answer arrived). The link is now held: the caller starts its session
  // and then calls SetHeld(false), so that the first deal finds the session in place.
  void PeerJoined();
  // Server: the joined client went away before the first deal; LinkStage is back to 1 and
  // the next connection may join.
  void JoinLost();
  // A play or chat message for the kon driver. The server gets moves, passes and chat; the
  // client also the deal, "hbegin" and "hitogs".
  void MessageReceived(const zendral::net::LanMessage& message);
  // The peer's connection closed or failed after the handshake. Queued behind the messages
  // that came before it.
  void PeerLeft();
  // The client could not connect, or lost its connection before the join answer; the server
  // could not listen. SocketErrorSeen is set.
  void LinkFailed();
  // Bytes that were not applied, and why (a refused join request, a malformed message, a
  // message this role does not take). For logs and tests.
  void MessageIgnored(const QString& reason);

 private:
  struct Event {
    bool left = false;  // the peer's connection ended
    LanMessage message;
  };

  void Watch(QTcpSocket* socket);
  void Forget(QTcpSocket*& socket);
  void CloseAll();
  void ResetIncoming();

  void OnNewConnection();
  void OnConnected();
  void OnReadyRead();
  void OnDisconnected();
  void OnSocketError();
  void PeerGone();

  void Drain();
  void Dispatch(const LanMessage& message);
  void Ignore(const std::string& reason);

  int role_ = 0;
  int linkStage_ = kLinkIdle;
  bool waitingForDeal_ = false;
  bool socketErrorSeen_ = false;
  bool closeServerPending_ = false;
  std::string ownName_;
  std::string peerName_;

  QTcpServer* server_ = nullptr;
  QTcpSocket* peer_ = nullptr;
  LanMessageReader reader_;
  std::deque<Event> queue_;
  bool held_ = false;
  bool draining_ = false;
};

}  // namespace zendral::net

Q_DECLARE_METATYPE(zendral::net::LanMessage)
