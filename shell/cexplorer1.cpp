#include "cexplorer1.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWebChannel>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>
#include <algorithm>
#include <cmath>
#include <iterator>

#include "panebridge.h"
#include "panewebpage.h"

namespace quorix {

namespace {

// Installed into every document of the pane before the document's own scripts run.
// - document.selection: the row handlers of Russian pages ask it whether text is selected.
// - Fragment link clicks are held back and reported (kind 0); the program carries them out when it
//   does not cancel them. Links to other documents are left to the page's navigation check.
// - A location change by a script (the Russian rows set location.href) is already done when
//   hashchange fires; it is reported (kind 1) and undone by the program when cancelled. Undoing it
//   with replaceState also means that the next assignment of the same fragment is a change again.
// - __quorixGo carries out an allowed click without reporting it a second time.
// - The root patterns write their placeholder as the control character U+008F, which the program's
//   font draws as a circle; a copy gives the circle the reader saw.
constexpr char kPaneScript[] = R"JS(
(function () {
  if (window.__quorixPane) return;
  window.__quorixPane = true;
  if (!document.selection) {
    document.selection = {
      createRange: function () { return { text: String(window.getSelection()) }; }
    };
  }
  var bridge = null, queue = [], allowed = null;
  function send(kind, url, oldUrl) {
    if (bridge) bridge.navigationRequested(kind, url, oldUrl);
    else queue.push([kind, url, oldUrl]);
  }
  new QWebChannel(qt.webChannelTransport, function (channel) {
    bridge = channel.objects.quorixPane;
    queue.forEach(function (q) { bridge.navigationRequested(q[0], q[1], q[2]); });
    queue = [];
  });
  function bare(u) { var i = u.indexOf('#'); return i < 0 ? u : u.substring(0, i); }
  document.addEventListener('click', function (e) {
    if (e.defaultPrevented || e.button !== 0) return;
    var a = e.target && e.target.closest ? e.target.closest('a[href]') : null;
    if (!a || (a.target && a.target !== '_self')) return;
    if (a.getAttribute('href').indexOf('#') < 0 || bare(a.href) !== bare(location.href)) return;
    e.preventDefault();
    send(0, a.href, location.href);
  }, true);
  window.addEventListener('hashchange', function (e) {
    if (allowed === e.newURL) { allowed = null; return; }
    send(1, e.newURL, e.oldURL);
  });
  window.__quorixGo = function (url) { allowed = url; location.href = url; };
  document.addEventListener('copy', function (e) {
    var text = String(window.getSelection());
    if (text.indexOf('\u008f') < 0 || !e.clipboardData) return;
    e.clipboardData.setData('text/plain', text.replace(/\u008f/g, '\u25cb'));
    e.preventDefault();
  });
})();
)JS";

// The zoom factors the engine's Ctrl+wheel steps through.
constexpr double kZoomSteps[] = {0.25, 1.0 / 3, 0.5, 2.0 / 3, 0.75, 0.8, 0.9, 1.0, 1.1, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0, 4.0, 5.0};

// A JavaScript string literal for text; the pages are ASCII, but any byte is escaped safely.
QString jsString(const std::string& text) {
  QString out;
  out.reserve(static_cast<qsizetype>(text.size() + 2));
  out += QLatin1Char('"');
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out += QLatin1Char('\\');
      out += QLatin1Char(static_cast<char>(c));
    } else if (c < 0x20 || c >= 0x7F) {
      out += QStringLiteral("\\u%1").arg(c, 4, 16, QLatin1Char('0'));
    } else {
      out += QLatin1Char(static_cast<char>(c));
    }
  }
  out += QLatin1Char('"');
  return out;
}

QString jsString(const QString& text) { return jsString(text.toStdString()); }

QWebEngineScript makeScript(const QString& name, const QString& source,
                            QWebEngineScript::InjectionPoint point) {
  QWebEngineScript script;
  script.setName(name);
  script.setSourceCode(source);
  script.setInjectionPoint(point);
  script.setWorldId(QWebEngineScript::MainWorld);
  script.setRunsOnSubFrames(false);
  return script;
}

}  // namespace

CExplorer1::CExplorer1(QWidget* parent)
    : PagePane(parent),
      view_(new QWebEngineView(this)),
      page_(new PaneWebPage([this](const QUrl& url) { return decideDocumentNavigation(url); }, view_)),
      bridge_(new PaneBridge(this)),
      channel_(new QWebChannel(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_);

  // The channel's client library is built into Qt WebChannel; it goes first so the pane script
  // can open the channel at once.
  QFile channelLibrary(QStringLiteral(":/qtwebchannel/qwebchannel.js"));
  QString source;
  if (channelLibrary.open(QIODevice::ReadOnly)) source = QString::fromUtf8(channelLibrary.readAll());
  source += QString::fromLatin1(kPaneScript);
  page_->scripts().insert(makeScript(QStringLiteral("quorix-pane"), source, QWebEngineScript::DocumentCreation));

  channel_->registerObject(QStringLiteral("quorixPane"), bridge_);
  page_->setWebChannel(channel_, QWebEngineScript::MainWorld);
  view_->setPage(page_);

  connect(bridge_, &PaneBridge::linkClicked, this, &CExplorer1::onLinkClicked);
  connect(bridge_, &PaneBridge::locationChanged, this, &CExplorer1::onLocationChanged);
  connect(page_, &QWebEnginePage::loadFinished, this, &CExplorer1::onLoadFinished);

  contextMenu_ = std::make_unique<QMenu>();
  QAction* copy = contextMenu_->addAction(QStringLiteral("C&opy\tCtrl+C"));
  connect(copy, &QAction::triggered, this, &CExplorer1::copySelection);
  view_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(view_, &QWidget::customContextMenuRequested, this, &CExplorer1::showContextMenu);

  // The keys work wherever the focus is in the window, as the wheel works wherever the pointer is
  // over the page. Ctrl+= is the plus key without Shift.
  const auto addZoomKey = [this](const QKeySequence& keys, auto action) {
    auto* shortcut = new QShortcut(keys, this, action, Qt::WindowShortcut);
    shortcut->setAutoRepeat(true);
  };
  addZoomKey(QKeySequence::ZoomIn, [this] { zoomBy(1); });
  addZoomKey(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { zoomBy(1); });
  addZoomKey(QKeySequence::ZoomOut, [this] { zoomBy(-1); });
  addZoomKey(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { resetZoom(); });
}

CExplorer1::~CExplorer1() = default;

void CExplorer1::loadStartPage(const QUrl& url) {
  startUrl_ = url;
  startPageLoaded_ = false;
  decided_ = true;
  view_->load(url);
}

void CExplorer1::navigateTo(const std::string& url) {
  if (askHandler(url)) return;
  const QUrl target = QUrl(QString::fromStdString(url));
  const QUrl current = page_->url();
  if (target.hasFragment() && target.adjusted(QUrl::RemoveFragment) == current.adjusted(QUrl::RemoveFragment)) {
    page_->runJavaScript(QStringLiteral("window.__quorixGo(%1);").arg(jsString(url)), QWebEngineScript::MainWorld);
    return;
  }
  decided_ = true;
  view_->load(target);
}

void CExplorer1::setPageHtml(const std::string& html, PageScroll scroll) {
  if (!startPageLoaded_) {
    heldPage_ = {html, scroll};
    return;
  }
  const QString toTop = scroll == PageScroll::Top ? QStringLiteral(" window.scrollTo(0, 0);") : QString();
  page_->runJavaScript(QStringLiteral("if (document.body) { document.body.innerHTML = %1;%2 }").arg(jsString(html), toTop),
                       QWebEngineScript::MainWorld);
}

void CExplorer1::runScript(const std::string& script) {
  if (!startPageLoaded_) return;
  page_->runJavaScript(QString::fromStdString(script), QWebEngineScript::MainWorld);
}

void CExplorer1::copySelection() { page_->triggerAction(QWebEnginePage::Copy); }

void CExplorer1::zoomBy(int steps) {
  // The step nearest to the present factor, so a factor between two steps (none is, unless set
  // from elsewhere) moves to a neighbour rather than staying.
  const double now = view_->zoomFactor();
  const int last = static_cast<int>(std::size(kZoomSteps)) - 1;
  int nearest = 0;
  for (int i = 1; i <= last; ++i) {
    if (std::abs(kZoomSteps[i] - now) < std::abs(kZoomSteps[nearest] - now)) nearest = i;
  }
  view_->setZoomFactor(kZoomSteps[std::clamp(nearest + steps, 0, last)]);
}

void CExplorer1::resetZoom() { view_->setZoomFactor(1.0); }

bool CExplorer1::decideDocumentNavigation(const QUrl& url) {
  if (decided_) {
    decided_ = false;
    return false;
  }
  return askHandler(url.toString(QUrl::FullyEncoded).toStdString());
}

void CExplorer1::onLinkClicked(const QString& url) {
  const std::string address = url.toStdString();
  if (askHandler(address)) return;
  page_->runJavaScript(QStringLiteral("window.__quorixGo(%1);").arg(jsString(address)), QWebEngineScript::MainWorld);
}

void CExplorer1::onLocationChanged(const QString& url, const QString& oldUrl) {
  if (!askHandler(url.toStdString())) return;
  // Cancelled: the engine has moved the address already; put the old one back without a new event.
  page_->runJavaScript(QStringLiteral("history.replaceState(history.state, '', %1);").arg(jsString(oldUrl)),
                       QWebEngineScript::MainWorld);
}

void CExplorer1::onLoadFinished() {
  // A failed load too leaves a document (the engine's error page) whose body can take pages.
  if (startPageLoaded_) return;
  startPageLoaded_ = true;
  if (heldPage_) {
    auto [html, scroll] = std::move(*heldPage_);
    heldPage_.reset();
    setPageHtml(html, scroll);
  }
  emit startPageReady();
}

void CExplorer1::showContextMenu(const QPoint& position) { contextMenu_->popup(view_->mapToGlobal(position)); }

}  // namespace quorix
