#pragma once

#include <QTranslator>

// Texts of Qt's own widgets that Debian's qtbase_es translation lacks: the file
// dialog's folder type and the edit boxes' context menu. Installed after
// qtbase_es, it is asked first and passes on what it does not know.
class TTraduccionesQt : public QTranslator {
 public:
  using QTranslator::QTranslator;
  QString translate(const char* sContexto, const char* sTexto, const char* sAclaracion = nullptr,
                    int n = -1) const override;
  bool isEmpty() const override { return false; }
};
