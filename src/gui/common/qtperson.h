// QtPerson: the engine's person interface with Qt message boxes and the program's dialogs.
#pragma once

#include "core/common/person.h"

#include <memory>

class QWidget;

namespace zalvor::gui {

class TWMsgBox;
class TReorgWB;
class TDEinoderAus;
class Tcodeinput;

class QtPerson : public zalvor::Person {
  public:
    explicit QtPerson(QWidget* fenster);
    ~QtPerson() override;

    void meldung(const std::string& titel, const std::string& text, Symbol symbol) override;
    void fehlermeldung(Ausgang ausgang, const std::string& titel, const std::string& text,
                       Symbol symbol) override;
    void nachricht(const std::string& titel, const std::string& text) override;
    std::optional<Knopf> frage(const Frage& f) override;
    std::optional<std::string> eingabe(const std::string& titel, const std::string& prompt,
                                       const std::string& vorgabe) override;
    std::optional<std::string> codeEingabe(const std::string& titel, CodeBild bild) override;
    void fortschrittZeigen(const std::string& titel, const std::string& text) override;
    void fortschritt(int prozent) override;
    void fortschrittText(const std::string& text) override;
    void fortschrittSchliessen() override;

    // The heaviest end of the failures reported since the last reset.
    Ausgang gemeldeterAusgang() const { return ausgang_; }
    void ausgangZuruecksetzen() { ausgang_ = Ausgang::Erledigt; }
    // While a message or question waits for the person, an operation is in the middle of
    // its steps.
    bool imGespraech() const { return gespraeche_ > 0; }

    TWMsgBox& msgBox();
    TReorgWB& fortschrittsfenster();
    TDEinoderAus& einOderAus();
    Tcodeinput& codeinput();

  private:
    struct ImGespraech {
        explicit ImGespraech(int& n) : n_(n) { ++n_; }
        ~ImGespraech() { --n_; }
        int& n_;
    };
    QWidget* fenster_;
    Ausgang ausgang_ = Ausgang::Erledigt;
    int gespraeche_ = 0;
    std::unique_ptr<TWMsgBox> msgBox_;
    std::unique_ptr<TReorgWB> wb_;
    std::unique_ptr<TDEinoderAus> einOderAus_;
    std::unique_ptr<Tcodeinput> codeinput_;
};

} // namespace zalvor::gui
