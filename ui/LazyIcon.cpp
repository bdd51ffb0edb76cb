#include "ui/LazyIcon.h"

#include <QIconEngine>
#include <QPainter>

namespace tamsok {

namespace {

class LazyIconEngine : public QIconEngine {
 public:
  explicit LazyIconEngine(std::function<QIcon()> make) : make_(std::move(make)) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    Made().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Made().actualSize(size, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Made().pixmap(size, mode, state);
  }
  void addPixmap(const QPixmap& pixmap, QIcon::Mode mode, QIcon::State state) override {
    Made().addPixmap(pixmap, mode, state);
  }
  void addFile(const QString& fileName, const QSize& size, QIcon::Mode mode,
               QIcon::State state) override {
    Made().addFile(fileName, size, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return Made().availableSizes(mode, state);
  }
  QString key() const override { return QStringLiteral("tamsok.lazy"); }
  // Asking whether there is a picture at all would make it; a lazy icon always has one.
  bool isNull() override { return make_ ? false : icon_.isNull(); }
  QIconEngine* clone() const override {
    auto* copy = new LazyIconEngine(nullptr);
    copy->icon_ = const_cast<LazyIconEngine*>(this)->Made();
    return copy;
  }

 private:
  QIcon& Made() {
    if (make_) {
      icon_ = make_();
      make_ = nullptr;
    }
    return icon_;
  }

  std::function<QIcon()> make_;
  QIcon icon_;
};

}  // namespace

QIcon LazyIcon(std::function<QIcon()> make) {
  return QIcon(new LazyIconEngine(std::move(make)));
}

}  // namespace tamsok
