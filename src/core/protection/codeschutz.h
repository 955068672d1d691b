// Code word protection of a club's files: the check when a file is opened and the menu
// procedure that sets, changes or removes the code word and the read-only code.
#pragma once

namespace zalvor {

class Dateisatz;
struct Codewoerter;
struct Sitzung;

inline constexpr int kHilfeCodeschutz = 26;

// Step of the opening sequence, after definitions, members, rates and plan values, before
// the table. An unguarded file or the main code word clears read-only mode, the read-only
// code sets it. A missing code word file, a cancelled entry or a wrong code end the
// program (ProgrammEnde), the first and the last after their message.
void codewortPruefen(Sitzung& s);
// The prompt of that step against code words already read.
void codewortAbfragen(Sitzung& s, const Codewoerter& c);

// "Codeschutz...": asks for the old code word of a guarded file, then the new one twice;
// an empty new one removes the guard. Offers the read-only code afterwards. A cancelled
// step changes nothing (except that the main code word stays when the read-only code is
// cancelled). A missing code word file ends the program as on opening. True when a code
// word was stored or the guard removed.
bool codeschutzBefehl(Sitzung& s);

// Whether the code word file of the club holds a read-only code.
bool nurLeseCodeVorhanden(const Dateisatz& dateien);

} // namespace zalvor
