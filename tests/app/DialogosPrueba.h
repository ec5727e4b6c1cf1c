#pragma once

#include <QStringList>

#include "db/IIDialogos.h"

// Records what the road asks the user and answers the Yes/No warning as told.
class TDialogosPrueba : public IDialogos {
 public:
  void Mensaje(const QString& sTexto) override { Mensajes << sTexto; }
  bool Advertencia(const QString& sTexto) override
  {
    Advertencias << sTexto;
    return bRespuesta;
  }

  bool Pregunta(const QString& sTexto) override
  {
    Preguntas << sTexto;
    return bRespuestaPregunta;
  }

  bool bRespuesta = false;
  bool bRespuestaPregunta = false;
  QStringList Preguntas;
  QStringList Mensajes;
  QStringList Advertencias;
};
