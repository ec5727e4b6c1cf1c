#include <gtest/gtest.h>

#include <functional>

#include "BackOfficePrueba.h"
#include "EncuestaPrueba.h"

namespace {

using namespace BackOffice;

// Runs an action when the first error dialog shows: here it connects the
// connection that made the first query fail, so only that query fails.
class TDialogosConAccion : public IDialogos {
 public:
  explicit TDialogosConAccion(std::function<void()> Accion) : F_Accion(std::move(Accion)) {}
  void Mensaje(const QString& sTexto) override {
    Mensajes << sTexto;
    if (F_Accion) {
      std::exchange(F_Accion, nullptr)();
    }
  }
  bool Advertencia(const QString&) override { return true; }
  bool Pregunta(const QString&) override { return false; }

  QStringList Mensajes;

 private:
  std::function<void()> F_Accion;
};

class ConsultaFallida : public ::testing::Test {
 protected:
  void SetUp() override {
    TDatos Datos;
    Datos.tRelevan << Alerta("I", "2014-05-05", true, "Revisar");
    QString sError;
    ASSERT_TRUE(Entorno.Conecta(Datos, sError)) << sError.toStdString();
    Entorno.Conexion->SetConnected(false);
    Dialogos = std::make_shared<TDialogosConAccion>([this] { Entorno.Conexion->SetConnected(true); });
    EstableceDialogos(Dialogos);
    Entorno.EstableceLocalidades({"A", "B", "C", "D", "E"}, {"1", "2", "3", "4", "5"});
  }
  void TearDown() override { EstableceDialogos(nullptr); }

  TEntornoEncuesta Entorno;
  std::shared_ptr<TDialogosConAccion> Dialogos;
};

TEST_F(ConsultaFallida, PrimerTrimestreFallidoFallaLaPreguntaSiete) {
  Entorno.Marca("7.1.1");
  Entorno.Marca("7.1.2");
  EXPECT_FALSE(Entorno.Encuesta().Preg7());
  EXPECT_EQ(Dialogos->Mensajes.size(), 1);
  EXPECT_EQ(Entorno.Celda("7.1.1"), "SIN TOCAR");
  EXPECT_EQ(Entorno.Celda("7.1.2"), "SIN TOCAR");
  EXPECT_EQ(Entorno.Celda("7.2.1"), "1");
  EXPECT_EQ(Entorno.Celda("7.2.2"), "1");
  EXPECT_EQ(Entorno.Celda("7.4.1"), "0");
}

TEST_F(ConsultaFallida, PrimeraCeldaFallidaFallaLaPreguntaCinco) {
  Entorno.Marca("5.1.2");
  EXPECT_FALSE(Entorno.Encuesta().Preg5());
  EXPECT_EQ(Dialogos->Mensajes.size(), 1);
  EXPECT_EQ(Entorno.Celda("5.1.1"), "A (CLAVE: 1)");
  EXPECT_EQ(Entorno.Celda("5.1.2"), "SIN TOCAR");
  EXPECT_EQ(Entorno.Celda("5.1.3"), "NO EXISTEN OPERACIONES");
  EXPECT_EQ(Entorno.Celda("5.5.4"), "NO EXISTEN OPERACIONES");
}

}  // namespace
