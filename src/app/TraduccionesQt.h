#pragma once

#include <QTranslator>

// Qt's own texts (file, print and page dialogs, message boxes, context menus) in
// Mexican Spanish: Debian's qtbase_es with Spain's words replaced ("fichero" is
// "archivo", "Apaisado" is "Horizontal"), plus the texts qtbase_es lacks or gets wrong.
class TTraduccionesQt : public QTranslator {
 public:
  using QTranslator::QTranslator;
  // Loads qtbase_es from sCarpeta; without it only our own table answers.
  bool CargaQt(const QString& sCarpeta);
  QString translate(const char* sContexto, const char* sTexto, const char* sAclaracion = nullptr,
                    int n = -1) const override;
  bool isEmpty() const override { return false; }

 private:
  QTranslator F_QtBase;
};

// sTexto with Spain's words in their Mexican form, keeping a capital initial.
QString EnEspanolDeMexico(const QString& sTexto);
