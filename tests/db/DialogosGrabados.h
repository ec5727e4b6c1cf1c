#pragma once

#include <memory>

#include <QString>
#include <QStringList>

#include "db/Dialogos.h"

// Records every dialog and answers warnings with a fixed reply; installed for
// the lifetime of the object, the console default restored afterwards.
class TDialogosGrabados : public IDialogos {
 public:
  void Mensaje(const QString& sTexto) override { Mensajes << sTexto; }
  bool Advertencia(const QString& sTexto) override {
    Advertencias << sTexto;
    return bRespuesta;
  }

  bool Pregunta(const QString& sTexto) override {
    Advertencias << sTexto;
    return bRespuesta;
  }

  QStringList Mensajes;
  QStringList Advertencias;
  bool bRespuesta = true;
};

class TInstalaDialogos {
 public:
  TInstalaDialogos() : Dialogos(std::make_shared<TDialogosGrabados>()) { EstableceDialogos(Dialogos); }
  ~TInstalaDialogos() { EstableceDialogos(nullptr); }
  TDialogosGrabados* operator->() const { return Dialogos.get(); }

 private:
  std::shared_ptr<TDialogosGrabados> Dialogos;
};
