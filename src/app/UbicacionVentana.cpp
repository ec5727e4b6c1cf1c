#include "app/UbicacionVentana.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <QWidget>

namespace {

QMargins Marco(const QWidget* Ventana)
{
  const QRect rMarco = Ventana->frameGeometry();
  const QRect rCliente = Ventana->geometry();
  return {rCliente.left() - rMarco.left(), rCliente.top() - rMarco.top(),
          rMarco.right() - rCliente.right(), rMarco.bottom() - rCliente.bottom()};
}

// Room left for a frame not known yet: some window managers frame a window without
// telling, and a title bar above the screen's top could not be reached.
const QMargins CC_MARCO_SUPUESTO(4, 30, 4, 4);

void Centra(QWidget* Ventana)
{
  const QScreen* Pantalla = Ventana->screen() ? Ventana->screen() : QGuiApplication::primaryScreen();
  if (!Pantalla)
    return;
  const QRect rDisponible = Pantalla->availableGeometry();
  const bool bConocido =
      !Marco(Ventana).isNull() || QGuiApplication::platformName() == QStringLiteral("offscreen");
  const QMargins Margenes = bConocido ? Marco(Ventana) : CC_MARCO_SUPUESTO;
  QRect rMarco = QRect(QPoint(), Ventana->size()).marginsAdded(Margenes);
  rMarco.moveCenter(rDisponible.center());
  // A window taller or wider than the area keeps its title bar and its top-left corner visible.
  rMarco.moveLeft(std::max(rMarco.left(), rDisponible.left()));
  rMarco.moveTop(std::max(rMarco.top(), rDisponible.top()));
  // A window's position is its frame's; without a known frame, the client's.
  Ventana->move(bConocido ? rMarco.topLeft() : rMarco.marginsRemoved(Margenes).topLeft());
}

// Centres on show and whenever the frame around the window takes another size.
class TCentrado : public QObject {
 public:
  explicit TCentrado(QWidget* Ventana) : QObject(Ventana), F_Ventana(Ventana)
  {
    Ventana->installEventFilter(this);
  }

  bool eventFilter(QObject*, QEvent* Evento) override
  {
    switch (Evento->type()) {
      case QEvent::Show:
        // A window restored from the task bar stays where the user left it.
        if (Evento->spontaneous())
          break;
        F_Marco = Marco(F_Ventana);
        Centra(F_Ventana);
        break;
      // The window manager frames a window before it is mapped, and may tell no one:
      // the first paint is the first moment the frame is surely known.
      case QEvent::Move:
      case QEvent::Resize:
      case QEvent::Paint:
      case QEvent::WindowActivate:
        if (F_Ventana->isVisible() && Marco(F_Ventana) != F_Marco) {
          F_Marco = Marco(F_Ventana);
          Centra(F_Ventana);
        }
        break;
      case QEvent::Hide:
        if (!Evento->spontaneous())
          F_Marco = {};
        break;
      default:
        break;
    }
    return false;
  }

 private:
  QWidget* F_Ventana;
  QMargins F_Marco;
};

}  // namespace

void CentraEnAreaDisponible(QWidget* Ventana)
{
  new TCentrado(Ventana);
}
