#include "app/TeclasPrincipal.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace {

class TFiltroTeclas : public QObject {
 public:
  TFiltroTeclas(QWidget* Control, TManejadorTecla Manejador)
      : QObject(Control), F_Control(Control), F_Manejador(std::move(Manejador))
  {
  }

  bool eventFilter(QObject* Objeto, QEvent* Evento) override
  {
    if (Objeto != F_Control || Evento->type() != QEvent::KeyPress)
      return false;
    auto* Tecla = static_cast<QKeyEvent*>(Evento);
    if (Tecla->key() == Qt::Key_Tab || Tecla->key() == Qt::Key_Backtab || Tecla->text().size() != 1)
      return false;
    QChar Key = Tecla->text().front();
    F_Manejador(F_Control, Key, Tecla->modifiers().testFlag(Qt::ShiftModifier));
    return Key.isNull();
  }

 private:
  QWidget* F_Control;
  TManejadorTecla F_Manejador;
};

bool TomaTab(const QWidget* Control)
{
  return (Control->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && Control->isEnabled() &&
         Control->isVisible() && !Control->focusProxy();
}

}  // namespace

void InstalaManejadorTecla(QWidget* Control, TManejadorTecla Manejador)
{
  Control->installEventFilter(new TFiltroTeclas(Control, std::move(Manejador)));
}

void FocusSiguiente(QWidget* Sender, QChar& Key, bool bShift)
{
  if (Key != u'\r')
    return;
  QWidget* Forma = Sender->window();
  QWidget* Candidato = Sender;
  do {
    Candidato = bShift ? Candidato->previousInFocusChain() : Candidato->nextInFocusChain();
  } while (Candidato != Sender && !(TomaTab(Candidato) && Forma->isAncestorOf(Candidato)));
  Candidato->setFocus(bShift ? Qt::BacktabFocusReason : Qt::TabFocusReason);
  Key = QChar::Null;
}
