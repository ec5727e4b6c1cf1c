#include "db/Dialogos.h"

#include <cstdio>

namespace {

class TDialogosConsola : public IDialogos {
 public:
  void Mensaje(const QString& sTexto) override {
    std::fprintf(stderr, "%s\n", sTexto.toLocal8Bit().constData());
  }
  bool Advertencia(const QString& sTexto) override {
    Mensaje(sTexto);
    return true;
  }
  bool Pregunta(const QString& sTexto) override {
    Mensaje(sTexto);
    return false;
  }
};

std::shared_ptr<IDialogos>& Actual() {
  static std::shared_ptr<IDialogos> Dialogos = std::make_shared<TDialogosConsola>();
  return Dialogos;
}

}  // namespace

void EstableceDialogos(std::shared_ptr<IDialogos> Dialogos) {
  Actual() = Dialogos ? std::move(Dialogos) : std::make_shared<TDialogosConsola>();
}

IDialogos& Dialogos() { return *Actual(); }
