<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_GB">
<context>
    <name>trelmo</name>
    <message id="textes.texture_plateau">
        <source>Background</source>
        <translation>Spielbrett</translation>
    </message>
    <message id="textes.texture_bille">
        <source>Marbles</source>
        <translation>Kugeln</translation>
    </message>
    <message id="textes.infos">
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message id="textes.aide">
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message id="textes.charger">
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message id="textes.sauver">
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message id="textes.scores">
        <source>Scores</source>
        <translation>Spielstand</translation>
    </message>
    <message id="textes.quitter">
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message id="textes.hint_texture_plateau">
        <source>Changing the texture of background</source>
        <translation>Brettstruktur ändern</translation>
    </message>
    <message id="textes.hint_texture_bille">
        <source>Changing the texture of marbles</source>
        <translation>Kugelstruktur ändern</translation>
    </message>
    <message id="textes.hint_infos">
        <source>About Trelmo</source>
        <translation>Über Trelmo</translation>
    </message>
    <message id="textes.hint_aide">
        <source>Show help</source>
        <translation>Siehe Hilfe</translation>
    </message>
    <message id="textes.hint_charger">
        <source>Loading the last game</source>
        <translation>Letzte Partie laden</translation>
    </message>
    <message id="textes.hint_sauver">
        <source>Saving this game</source>
        <translation>Laufende Partie speichern</translation>
    </message>
    <message id="textes.hint_scores">
        <source>List of the scores</source>
        <translation>Spielstandliste</translation>
    </message>
    <message id="textes.hint_quitter">
        <source>Exit game</source>
        <translation></translation>
    </message>
    <message id="textes.taille_boutons">
        <source>17</source>
        <extracomment>Pixel height of the Load, Save and Scores captions: 17, or 13 when the three words are long.</extracomment>
        <translation>13</translation>
    </message>
    <message id="textes.gagne">
        <source>CONGRATULATION !!</source>
        <translation>BEGLÜCKWÜNSCHUNG !!</translation>
    </message>
    <message id="textes.termine">
        <source>GAME OVER</source>
        <translation>GAME OVER</translation>
    </message>
    <message id="textes.reposer">
        <source>Stop&#xd;Game</source>
        <translation>Partie&#xd;beenden</translation>
    </message>
    <message id="textes.reposer_hint">
        <source>Stop this game</source>
        <translation>Laufende Partie beenden</translation>
    </message>
    <message id="textes.nouvelle">
        <source>New&#xd;Game</source>
        <translation>Neue&#xd;Partie</translation>
    </message>
    <message id="textes.nouvelle_hint">
        <source>Start a new game</source>
        <translation>Neue Partie anfangen</translation>
    </message>
    <message id="textes.aucune_partie">
        <source>No game saving</source>
        <translation>Es wurde keine Partie gespeichert</translation>
    </message>
    <message id="textes.annuler_partie">
        <source>Do you want cancel this game</source>
        <translation>Soll die laufende Partie abgebrochen werden ?</translation>
    </message>
    <message id="textes.pas_de_partie">
        <source>No game</source>
        <translation>Im Moment läuft keine Partie</translation>
    </message>
    <message id="textes.ecraser_partie">
        <source>Do you want save this game</source>
        <translation>Soll diese Partie gespeichert Werden ?</translation>
    </message>
    <message id="textes.mode_titre">
        <source>Level</source>
        <extracomment>Title of the dialog that chooses the board. Its middle button stays &quot;Français (37 billes)&quot; in every language.</extracomment>
        <translation>Stand</translation>
    </message>
    <message id="textes.mode_m1">
        <source>traditional (33 balls)</source>
        <translation>traditionell (33 Kugeln)</translation>
    </message>
    <message id="textes.mode_m3">
        <source>Genius (44 balls)</source>
        <translation>Genie (44 Kugeln)</translation>
    </message>
    <message id="textes.nom_titre">
        <source>Congratulation !!</source>
        <translation>Beglückwünschung !!</translation>
    </message>
    <message id="textes.nom_bravo">
        <source>CONGRATULATION !!</source>
        <translation>BEGLÜCKWÜNSCHUNG !!</translation>
    </message>
    <message id="textes.nom_t1">
        <source>You are in the scores list</source>
        <translation>Sie befinden sich in der Spielstandliste</translation>
    </message>
    <message id="textes.nom_t2">
        <source>Enter your name</source>
        <translation>Geben Sie Ihren Namen an</translation>
    </message>
    <message id="textes.nom_bravo_points">
        <source>18</source>
        <extracomment>Point size of the big congratulation line of the name dialog: 18, or 16 when it is long.</extracomment>
        <translation>16</translation>
    </message>
    <message id="textes.score_titre">
        <source>SCORES LIST</source>
        <translation>SPIELSTANDLISTE</translation>
    </message>
    <message id="textes.score_joueur">
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message id="textes.score_bille">
        <source>balls</source>
        <translation>Kugeln</translation>
    </message>
    <message id="textes.score_duree">
        <source>Time</source>
        <translation>Dauer</translation>
    </message>
    <message id="splash.credit">
        <source>The classic marble solitaire</source>
        <translation>Das klassische Kugel-Solitär</translation>
    </message>
    <message id="plus.annuler">
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message id="plus.refaire">
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message id="plus.indice">
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message id="plus.reperes">
        <source>Show landing holes</source>
        <translation>Zielfelder zeigen</translation>
    </message>
    <message id="plus.taille">
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message id="plus.taille_pourcent">
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message id="plus.taille_ecran">
        <source>Fit the screen</source>
        <translation>An den Bildschirm anpassen</translation>
    </message>
    <message id="plus.plein_ecran">
        <source>Full screen</source>
        <translation>Vollbild</translation>
    </message>
    <message id="plus.problemes">
        <source>Problems…</source>
        <translation>Aufgaben…</translation>
    </message>
    <message id="plus.statistiques">
        <source>Statistics…</source>
        <translation>Statistik…</translation>
    </message>
    <message id="plus.astuce">
        <source>Right-click for undo, hints and more</source>
        <translation>Rechtsklick: Rückgängig, Tipps und mehr</translation>
    </message>
    <message id="plus.plateau">
        <source>Board</source>
        <translation>Spielbrett</translation>
    </message>
    <message id="plus.trou">
        <source>Column %1, row %2: %3</source>
        <extracomment>Screen reader: %1 column, %2 row, %3 the state of the hole.</extracomment>
        <translation>Spalte %1, Reihe %2: %3</translation>
    </message>
    <message id="plus.bille">
        <source>marble</source>
        <translation>Kugel</translation>
    </message>
    <message id="plus.bille_mobile">
        <source>marble, can jump</source>
        <translation>Kugel, kann springen</translation>
    </message>
    <message id="plus.bille_prise">
        <source>marble, held</source>
        <translation>Kugel, aufgenommen</translation>
    </message>
    <message id="plus.vide">
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message id="plus.vide_arrivee">
        <source>empty, can land here</source>
        <translation>leer, Landung möglich</translation>
    </message>
    <message id="plus.billes_restantes">
        <source>Marbles left: %1</source>
        <translation>Verbleibende Kugeln: %1</translation>
    </message>
    <message id="plus.temps">
        <source>Time: %1</source>
        <translation>Zeit: %1</translation>
    </message>
    <message id="plus.annonce_saut">
        <source>Jump from column %1, row %2 to column %3, row %4. %5</source>
        <extracomment>Screen reader: %1 %2 start column and row, %3 %4 landing column and row, %5 the marbles left.</extracomment>
        <translation>Sprung von Spalte %1, Reihe %2 nach Spalte %3, Reihe %4. %5</translation>
    </message>
    <message id="plus.annonce_annule">
        <source>Jump undone. %1</source>
        <translation>Zug zurückgenommen. %1</translation>
    </message>
    <message id="plus.reste_une">
        <source>1 marble left.</source>
        <translation>Noch eine Kugel.</translation>
    </message>
    <message id="plus.reste_n" numerus="yes">
        <source>%1 marbles left.</source>
        <translation><numerusform>Noch %1 Kugeln.</numerusform><numerusform>Noch %1 Kugeln.</numerusform></translation>
    </message>
    <message id="plus.annonce_gagne">
        <source>You won! One marble left.</source>
        <translation>Gewonnen! Eine Kugel bleibt übrig.</translation>
    </message>
    <message id="plus.annonce_perdu" numerus="yes">
        <source>Game over. %1 marbles left.</source>
        <translation><numerusform>Spiel beendet. Noch %1 Kugeln.</numerusform><numerusform>Spiel beendet. Noch %1 Kugeln.</numerusform></translation>
    </message>
    <message id="plus.partie_endommagee">
        <source>The saved game is damaged.</source>
        <translation>Die gespeicherte Partie ist beschädigt.</translation>
    </message>
    <message id="plus.haut">
        <source>Jump up</source>
        <translation>Springen Sie nach oben</translation>
    </message>
    <message id="plus.droite">
        <source>Jump right</source>
        <translation>Springen Sie nach rechts</translation>
    </message>
    <message id="plus.bas">
        <source>Jump down</source>
        <translation>Springen Sie nach unten</translation>
    </message>
    <message id="plus.gauche">
        <source>Jump left</source>
        <translation>Springen Sie nach links</translation>
    </message>
    <message id="plus.finir_une">
        <source>%1: you can still finish with 1 marble.</source>
        <translation>%1: Sie können noch mit einer Kugel enden.</translation>
    </message>
    <message id="plus.meilleur_n" numerus="yes">
        <source>%1: the best you can still reach is %2 marbles.</source>
        <extracomment>Hint: %1 the direction of the jump, %2 the number of marbles.</extracomment>
        <translation><numerusform>%1: Bestenfalls bleiben noch %2 Kugeln übrig.</numerusform><numerusform>%1: Bestenfalls bleiben noch %2 Kugeln übrig.</numerusform></translation>
    </message>
    <message id="plus.non_prouve" numerus="yes">
        <source>%1: best found so far, %2 marbles (not proven).</source>
        <extracomment>Hint: %1 the direction of the jump, %2 the number of marbles.</extracomment>
        <translation><numerusform>%1: Bisher bestes Ergebnis %2 Kugeln (nicht bewiesen).</numerusform><numerusform>%1: Bisher bestes Ergebnis %2 Kugeln (nicht bewiesen).</numerusform></translation>
    </message>
    <message id="plus.cible_atteignable">
        <source>%1: you can still finish on the target.</source>
        <translation>%1: Sie können noch auf dem Zielfeld enden.</translation>
    </message>
    <message id="plus.cible_perdue" numerus="yes">
        <source>%1: the target is out of reach; the best you can reach is %2 marbles.</source>
        <extracomment>Hint: %1 the direction of the jump, %2 the number of marbles.</extracomment>
        <translation><numerusform>%1: Das Zielfeld ist nicht mehr erreichbar; bestenfalls bleiben %2 Kugeln.</numerusform><numerusform>%1: Das Zielfeld ist nicht mehr erreichbar; bestenfalls bleiben %2 Kugeln.</numerusform></translation>
    </message>
    <message id="plus.prise_faite">
        <source>marble picked up</source>
        <extracomment>Screen reader, after &quot;Column %1, row %2: &quot;: the marble there is picked up.</extracomment>
        <translation>Kugel aufgenommen</translation>
    </message>
    <message id="plus.prise_reposee">
        <source>marble put back</source>
        <extracomment>Screen reader, after &quot;Column %1, row %2: &quot;: the held marble is put back.</extracomment>
        <translation>Kugel zurückgelegt</translation>
    </message>
    <message id="plus.pas_de_saut">
        <source>cannot jump from here</source>
        <extracomment>Screen reader, after &quot;Column %1, row %2: &quot;: the marble there has no jump.</extracomment>
        <translation>von hier kein Sprung möglich</translation>
    </message>
    <message id="plus.pas_d_arrivee">
        <source>cannot land here.</source>
        <extracomment>Screen reader, after &quot;Column %1, row %2: &quot;: the held marble cannot land on that hole.</extracomment>
        <translation>hier keine Landung möglich.</translation>
    </message>
    <message id="plus.partie_commencee">
        <source>New game. %1</source>
        <extracomment>Screen reader: %1 the marbles left (&quot;32 marbles left.&quot;).</extracomment>
        <translation>Neues Spiel. %1</translation>
    </message>
    <message id="plus.partie_chargee">
        <source>Game loaded. %1</source>
        <extracomment>Screen reader: %1 the marbles left (&quot;31 marbles left.&quot;).</extracomment>
        <translation>Partie geladen. %1</translation>
    </message>
    <message id="plus.partie_arretee">
        <source>Game stopped.</source>
        <translation>Spiel abgebrochen.</translation>
    </message>
    <message id="plus.saut_conseille">
        <source>Jump from column %1, row %2 to column %3, row %4</source>
        <extracomment>Spoken hint: %1 %2 start column and row, %3 %4 landing column and row; the hint's sentence follows.</extracomment>
        <translation>Sprung von Spalte %1, Reihe %2 nach Spalte %3, Reihe %4</translation>
    </message>
    <message id="plus.cible_trou">
        <source>The target is column %1, row %2.</source>
        <extracomment>Spoken hint in a problem: %1 %2 the target's column and row.</extracomment>
        <translation>Das Zielfeld ist Spalte %1, Reihe %2.</translation>
    </message>
    <message id="problemes.titre">
        <source>Problems</source>
        <translation>Aufgaben</translation>
    </message>
    <message id="problemes.plateaux[0]">
        <source>English board (33 holes)</source>
        <translation>Englisches Brett (33 Löcher)</translation>
    </message>
    <message id="problemes.plateaux[1]">
        <source>French board (37 holes)</source>
        <translation>Französisches Brett (37 Löcher)</translation>
    </message>
    <message id="problemes.plateaux[2]">
        <source>Mission Impossible (45 holes)</source>
        <translation>Mission Impossible (45 Löcher)</translation>
    </message>
    <message id="problemes.billes" numerus="yes">
        <source>%1 marbles</source>
        <translation><numerusform>%1 Kugeln</numerusform><numerusform>%1 Kugeln</numerusform></translation>
    </message>
    <message id="problemes.finir_en">
        <source>finish on %1</source>
        <translation>Ende auf %1</translation>
    </message>
    <message id="problemes.finir_partout">
        <source>finish with one marble</source>
        <translation>Ende mit einer Kugel</translation>
    </message>
    <message id="problemes.separateur">
        <source>, </source>
        <extracomment>Between the marbles and the finish of a problem: &quot;6 marbles, finish on e5&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message id="problemes.serie" numerus="yes">
        <source>%1 problems, %2 solved</source>
        <extracomment>%1 the number of problems (the plural follows it), %2 how many are solved.</extracomment>
        <translation><numerusform>%1 Aufgaben, %2 gelöst</numerusform><numerusform>%1 Aufgaben, %2 gelöst</numerusform></translation>
    </message>
    <message id="problemes.resolu">
        <source>Solved, best time %1</source>
        <translation>Gelöst, Bestzeit %1</translation>
    </message>
    <message id="problemes.pas_resolu">
        <source>Not solved yet</source>
        <translation>Noch nicht gelöst</translation>
    </message>
    <message id="problemes.choisir_depart">
        <source>Choose the hole that starts empty</source>
        <translation>Wählen Sie das anfangs leere Loch</translation>
    </message>
    <message id="problemes.choisir_cible">
        <source>Choose the hole of the last marble</source>
        <translation>Wählen Sie das Loch der letzten Kugel</translation>
    </message>
    <message id="problemes.symetriques">
        <source>The same problem turned or mirrored: %1</source>
        <translation>Dieselbe Aufgabe, gedreht oder gespiegelt: %1</translation>
    </message>
    <message id="problemes.autre_depart">
        <source>Escape: another starting hole</source>
        <translation>Esc: ein anderes Startloch</translation>
    </message>
    <message id="problemes.trou">
        <source>Hole %1</source>
        <translation>Loch %1</translation>
    </message>
    <message id="problemes.trou_bille">
        <source>marble</source>
        <translation>Kugel</translation>
    </message>
    <message id="problemes.trou_vide">
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message id="problemes.trou_depart">
        <source>possible start</source>
        <translation>mögliches Startloch</translation>
    </message>
    <message id="problemes.trou_cible">
        <source>possible finish</source>
        <translation>mögliches Ziel</translation>
    </message>
    <message id="problemes.trou_resolu">
        <source>solved</source>
        <translation>gelöst</translation>
    </message>
    <message id="problemes.nom_liste">
        <source>List of problems</source>
        <translation>Liste der Aufgaben</translation>
    </message>
    <message id="problemes.nom_plateau">
        <source>Board of the problem</source>
        <translation>Brett der Aufgabe</translation>
    </message>
    <message id="problemes.jouer">
        <source>Play</source>
        <translation>Spielen</translation>
    </message>
    <message id="problemes.annuler">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="problemes.stats_titre">
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message id="problemes.onglets[0]">
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message id="problemes.onglets[1]">
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message id="problemes.onglets[2]">
        <source>Mission Impossible</source>
        <translation>Mission Impossible</translation>
    </message>
    <message id="problemes.onglets[3]">
        <source>Problems</source>
        <translation>Aufgaben</translation>
    </message>
    <message id="problemes.commencees">
        <source>Games started</source>
        <translation>Begonnene Spiele</translation>
    </message>
    <message id="problemes.terminees">
        <source>Games finished</source>
        <translation>Beendete Spiele</translation>
    </message>
    <message id="problemes.gagnees">
        <source>Games won</source>
        <translation>Gewonnene Spiele</translation>
    </message>
    <message id="problemes.moins_de_billes">
        <source>Fewest marbles left</source>
        <translation>Wenigste Restkugeln</translation>
    </message>
    <message id="problemes.meilleur_temps">
        <source>Best time</source>
        <translation>Bestzeit</translation>
    </message>
    <message id="problemes.moyenne">
        <source>Mean result</source>
        <translation>Durchschnittliches Ergebnis</translation>
    </message>
    <message id="problemes.serie_en_cours">
        <source>Current winning streak</source>
        <translation>Aktuelle Siegesserie</translation>
    </message>
    <message id="problemes.meilleure_serie">
        <source>Best winning streak</source>
        <translation>Beste Siegesserie</translation>
    </message>
    <message id="problemes.indices">
        <source>Hints used</source>
        <translation>Benutzte Tipps</translation>
    </message>
    <message id="problemes.resolus">
        <source>Problems solved</source>
        <translation>Gelöste Aufgaben</translation>
    </message>
    <message id="problemes.sur">
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message id="problemes.aucun">
        <source>–</source>
        <translation>–</translation>
    </message>
    <message id="problemes.graphique">
        <source>Marbles left at the end of a game</source>
        <translation>Restkugeln am Spielende</translation>
    </message>
    <message id="problemes.graphique_vide">
        <source>No finished game yet</source>
        <translation>Noch kein beendetes Spiel</translation>
    </message>
    <message id="problemes.graphique_barre" numerus="yes">
        <source>%1 marbles left: %2 games</source>
        <extracomment>Screen reader, one bar of the chart: %1 marbles left, %2 games (the plural follows %2).</extracomment>
        <translation><numerusform>%1 Restkugeln: %2 Spiele</numerusform><numerusform>%1 Restkugeln: %2 Spiele</numerusform></translation>
    </message>
    <message id="problemes.nom_onglets">
        <source>Boards</source>
        <translation>Bretter</translation>
    </message>
    <message id="problemes.decimale">
        <source>.</source>
        <extracomment>Decimal separator of the mean result: one character.</extracomment>
        <translation>,</translation>
    </message>
    <message id="problemes.par_probleme[0]">
        <source>Problem</source>
        <extracomment>Heading of the statistics' per-problem table: the problem's name.</extracomment>
        <translation>Aufgabe</translation>
    </message>
    <message id="problemes.par_probleme[1]">
        <source>Started</source>
        <extracomment>Heading of the per-problem table: games started.</extracomment>
        <translation>Begonnen</translation>
    </message>
    <message id="problemes.par_probleme[2]">
        <source>Won</source>
        <extracomment>Heading of the per-problem table: games won.</extracomment>
        <translation>Gewonnen</translation>
    </message>
    <message id="problemes.par_probleme[3]">
        <source>Best time</source>
        <extracomment>Heading of the per-problem table: best time.</extracomment>
        <translation>Bestzeit</translation>
    </message>
    <message id="problemes.par_probleme[4]">
        <source>Hints</source>
        <extracomment>Heading of the per-problem table: hints used.</extracomment>
        <translation>Tipps</translation>
    </message>
    <message id="problemes.ligne_probleme">
        <source>%1: started %2, won %3, best time %4, hints %5</source>
        <extracomment>Screen reader, a row of the per-problem table: %1 the problem, %2 started, %3 won, %4 best time, %5 hints.</extracomment>
        <translation>%1: begonnen %2, gewonnen %3, Bestzeit %4, Tipps %5</translation>
    </message>
    <message id="problemes.nom_par_probleme">
        <source>Per problem</source>
        <extracomment>Screen reader: name of the statistics' per-problem table.</extracomment>
        <translation>Je Aufgabe</translation>
    </message>
    <message id="problemes.nom_scores">
        <source>The ten best scores</source>
        <extracomment>Screen reader: name of the score table.</extracomment>
        <translation>Die zehn besten Ergebnisse</translation>
    </message>
    <message id="problemes.ligne_score">
        <source>%1. %2: %3, %4: %5, %6: %7</source>
        <extracomment>Screen reader, a row of the score table: %1 rank, %2 %4 %6 the headings, %3 %5 %7 their values.</extracomment>
        <translation>%1. %2: %3, %4: %5, %6: %7</translation>
    </message>
    <message id="fichiers.lecture">
        <source>The file %1 cannot be read (%2): your scores and choices will not be kept.</source>
        <extracomment>Files: %1 the settings file's path, %2 why it cannot be read (one of the reasons below).</extracomment>
        <translation>Die Datei %1 kann nicht gelesen werden (%2): Ihre Ergebnisse und Einstellungen werden nicht gespeichert.</translation>
    </message>
    <message id="fichiers.ecriture">
        <source>The file %1 cannot be written (%2): your scores and choices will not be kept.</source>
        <extracomment>Files: %1 the settings file's path, %2 why it cannot be written.</extracomment>
        <translation>Die Datei %1 kann nicht geschrieben werden (%2): Ihre Ergebnisse und Einstellungen werden nicht gespeichert.</translation>
    </message>
    <message id="fichiers.permission">
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message id="fichiers.lecture_seule">
        <source>read-only file system</source>
        <translation>schreibgeschütztes Dateisystem</translation>
    </message>
    <message id="fichiers.disque_plein">
        <source>disk full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message id="fichiers.dossier_introuvable">
        <source>folder not found</source>
        <translation>Ordner nicht gefunden</translation>
    </message>
    <message id="fichiers.dossier_du_nom">
        <source>a folder has that name</source>
        <translation>ein Ordner trägt diesen Namen</translation>
    </message>
    <message id="fichiers.nom_incorrect">
        <source>invalid file name</source>
        <translation>ungültiger Dateiname</translation>
    </message>
    <message id="fichiers.entree_sortie">
        <source>disk input/output error</source>
        <translation>Ein-/Ausgabefehler des Datenträgers</translation>
    </message>
    <message id="fichiers.systeme">
        <source>system error %1</source>
        <extracomment>Files, a reason: %1 the system's error number.</extracomment>
        <translation>Systemfehler %1</translation>
    </message>
    <message id="fichiers.stats_recent">
        <source>The statistics file “%1” comes from a newer version of Trelmo: it is left as it is and the statistics of this session will not be kept.</source>
        <extracomment>Files: %1 the statistics file's name.</extracomment>
        <translation>Die Statistikdatei „%1“ stammt aus einer neueren Version von Trelmo: Sie bleibt unverändert, und die Statistik dieser Sitzung wird nicht gespeichert.</translation>
    </message>
    <message id="fichiers.stats_pas_de_cote">
        <source>The statistics file “%1” is unreadable or damaged and could not be set aside: it is left as it is and the statistics of this session will not be kept.</source>
        <extracomment>Files: %1 the statistics file's name.</extracomment>
        <translation>Die Statistikdatei „%1“ ist unlesbar oder beschädigt und konnte nicht beiseitegelegt werden: Sie bleibt unverändert, und die Statistik dieser Sitzung wird nicht gespeichert.</translation>
    </message>
    <message id="fichiers.stats_ecriture">
        <source>The statistics file “%1” cannot be written (%2): the statistics of this session will not be kept.</source>
        <extracomment>Files: %1 the statistics file's path, %2 why it cannot be written.</extracomment>
        <translation>Die Statistikdatei „%1“ kann nicht geschrieben werden (%2): Die Statistik dieser Sitzung wird nicht gespeichert.</translation>
    </message>
    <message id="fichiers.stats_mis_de_cote">
        <source>The statistics file was unreadable or damaged: it has been set aside as “%1” and the statistics start afresh.</source>
        <extracomment>Files: %1 the name the damaged file is kept under.</extracomment>
        <translation>Die Statistikdatei war unlesbar oder beschädigt: Sie wurde unter dem Namen „%1“ beiseitegelegt, und die Statistik beginnt von vorn.</translation>
    </message>
    <message id="probleme.croix">
        <source>The Cross</source>
        <translation>Das Kreuz</translation>
    </message>
    <message id="probleme.plus">
        <source>The Plus</source>
        <translation>Das Plus</translation>
    </message>
    <message id="probleme.double-croix">
        <source>The Double Cross</source>
        <translation>Das Doppelkreuz</translation>
    </message>
    <message id="probleme.cheminee">
        <source>The Fireplace</source>
        <translation>Der Kamin</translation>
    </message>
    <message id="probleme.calice">
        <source>The Goblet</source>
        <translation>Der Kelch</translation>
    </message>
    <message id="probleme.sapin">
        <source>The Fir Tree</source>
        <translation>Die Tanne</translation>
    </message>
    <message id="probleme.lampe">
        <source>The Lamp</source>
        <translation>Die Lampe</translation>
    </message>
    <message id="probleme.pyramide">
        <source>The Pyramid</source>
        <translation>Die Pyramide</translation>
    </message>
    <message id="probleme.fleche">
        <source>The Up Arrow</source>
        <translation>Der Pfeil</translation>
    </message>
    <message id="probleme.losange">
        <source>The Diamond</source>
        <translation>Die Raute</translation>
    </message>
    <message id="groupe.anglais-trou">
        <source>One empty hole</source>
        <translation>Ein leeres Loch</translation>
    </message>
    <message id="probleme.francais-couronne">
        <source>The Crown</source>
        <translation>Die Krone</translation>
    </message>
    <message id="probleme.francais-bague">
        <source>The Ring</source>
        <translation>Der Ring</translation>
    </message>
    <message id="groupe.francais-trou">
        <source>One empty hole</source>
        <translation>Ein leeres Loch</translation>
    </message>
    <message id="probleme.mission-grande-croix">
        <source>The Great Cross</source>
        <translation>Das große Kreuz</translation>
    </message>
    <message id="probleme.mission-fusee">
        <source>The Rocket</source>
        <translation>Die Rakete</translation>
    </message>
    <message id="probleme.mission-totem">
        <source>The Totem Pole</source>
        <translation>Der Totempfahl</translation>
    </message>
    <message id="groupe.mission-depart">
        <source>Standard start</source>
        <translation>Standardstart</translation>
    </message>
    <message id="serie.anglais-trou">
        <source>{depart} empty, finish on {cible}</source>
        <extracomment>Name of one problem of the series: {depart} the hole that starts empty, {cible} the finishing hole (&quot;e5&quot;). Keep the braces.</extracomment>
        <translation>{depart} leer, Ende auf {cible}</translation>
    </message>
    <message id="serie.francais-trou">
        <source>{depart} empty, finish on {cible}</source>
        <extracomment>Name of one problem of the series: {depart} the hole that starts empty, {cible} the finishing hole (&quot;e5&quot;). Keep the braces.</extracomment>
        <translation>{depart} leer, Ende auf {cible}</translation>
    </message>
    <message id="serie.mission-depart">
        <source>Standard start, finish on {cible}</source>
        <extracomment>Name of one problem of the series: {cible} the finishing hole (&quot;e5&quot;). Keep the braces.</extracomment>
        <translation>Standardstart, Ende auf {cible}</translation>
    </message>
    <message id="plus.reprendre">
        <source>Resume last game</source>
        <extracomment>Context menu command (Ctrl+R): takes up the game kept when the program last ended.</extracomment>
        <translation>Letzte Partie fortsetzen</translation>
    </message>
    <message id="plus.reprise_gardee">
        <source>The last game was kept: Ctrl+R (or “Resume last game” in the right-click menu) takes it up again.</source>
        <extracomment>Balloon at the start when the game in progress at the last exit was kept.</extracomment>
        <translation>Die letzte Partie wurde aufbewahrt: Strg+R (oder „Letzte Partie fortsetzen“ im Rechtsklickmenü) setzt sie fort.</translation>
    </message>
    <message id="plus.reprise_faite">
        <source>Last game taken up again. %1</source>
        <extracomment>Spoken when the kept game is back on the board: %1 the marbles left (&quot;24 marbles left.&quot;).</extracomment>
        <translation>Letzte Partie fortgesetzt. %1</translation>
    </message>
    <message id="plus.reprise_endommagee">
        <source>The file of the last game was unreadable or damaged: it has been set aside and that game cannot be taken up again.</source>
        <extracomment>Message when the file of the kept game cannot be read.</extracomment>
        <translation>Die Datei der letzten Partie war unlesbar oder beschädigt: Sie wurde beiseitegelegt, und diese Partie kann nicht fortgesetzt werden.</translation>
    </message>
    <message id="plus.abandon_annule">
        <source>Game back on the board. %1</source>
        <extracomment>Spoken when Ctrl+Z brings back a game that was stopped or replaced: %1 the marbles left.</extracomment>
        <translation>Partie wieder auf dem Brett. %1</translation>
    </message>
    <message id="plus.copier">
        <source>Copy position</source>
        <extracomment>Context menu command (Ctrl+C): the position on the board to the clipboard as text.</extracomment>
        <translation>Stellung kopieren</translation>
    </message>
    <message id="plus.coller">
        <source>Paste problem</source>
        <extracomment>Context menu command (Ctrl+V): opens a position held by the clipboard as a problem.</extracomment>
        <translation>Aufgabe einfügen</translation>
    </message>
    <message id="plus.copie_faite">
        <source>Position copied to the clipboard as text.</source>
        <extracomment>Balloon and speech after Copy.</extracomment>
        <translation>Stellung als Text in die Zwischenablage kopiert.</translation>
    </message>
    <message id="plus.texte_refuse">
        <source>This text is not a position of the game: a picture of the English, French or 45-hole board is wanted, one line a row, “o” for a marble and “.” for an empty hole.</source>
        <extracomment>Message when pasted or imported text holds no position.</extracomment>
        <translation>Dieser Text ist keine Stellung des Spiels: Gebraucht wird ein Bild des englischen, französischen oder 45-Loch-Bretts, eine Zeile je Reihe, „o“ für eine Kugel und „.“ für ein leeres Loch.</translation>
    </message>
    <message id="plus.exporter">
        <source>Export…</source>
        <extracomment>Command: writes the position or problem to a text file.</extracomment>
        <translation>Exportieren…</translation>
    </message>
    <message id="plus.importer">
        <source>Import…</source>
        <extracomment>Command: reads a problem from a text file.</extracomment>
        <translation>Importieren…</translation>
    </message>
    <message id="plus.fichier_ecriture">
        <source>“%1” cannot be written.</source>
        <extracomment>Message when an exported file cannot be written: %1 its path.</extracomment>
        <translation>„%1“ kann nicht geschrieben werden.</translation>
    </message>
    <message id="plus.filtre">
        <source>Board pictures (*.txt)</source>
        <extracomment>File dialog filter of the problem files; keep (*.txt).</extracomment>
        <translation>Brettbilder (*.txt)</translation>
    </message>
    <message id="plus.nouveau_probleme">
        <source>New problem…</source>
        <extracomment>Context menu command (E): opens the problem editor.</extracomment>
        <translation>Neue Aufgabe…</translation>
    </message>
    <message id="plus.editeur_titre">
        <source>Problem editor</source>
        <extracomment>Title of the problem editor.</extracomment>
        <translation>Aufgabeneditor</translation>
    </message>
    <message id="plus.editeur_aide">
        <source>Click: put or take a marble. Right-click: ring the target. Keyboard: arrows, Space, T.</source>
        <extracomment>Line under the editor's board.</extracomment>
        <translation>Klick: Kugel setzen oder nehmen. Rechtsklick: Ziel markieren. Tastatur: Pfeile, Leertaste, T.</translation>
    </message>
    <message id="plus.editeur_plateau">
        <source>Board:</source>
        <extracomment>Label of the board chooser in the editor.</extracomment>
        <translation>Brett:</translation>
    </message>
    <message id="plus.editeur_nom">
        <source>Name:</source>
        <extracomment>Label of the name field in the editor.</extracomment>
        <translation>Name:</translation>
    </message>
    <message id="plus.editeur_garder">
        <source>Keep</source>
        <extracomment>Editor button: keeps the problem in My problems.</extracomment>
        <translation>Behalten</translation>
    </message>
    <message id="plus.editeur_jouer">
        <source>Play</source>
        <extracomment>Editor button: plays the position as a problem.</extracomment>
        <translation>Spielen</translation>
    </message>
    <message id="plus.editeur_fermer">
        <source>Close</source>
        <extracomment>Editor button.</extracomment>
        <translation>Schließen</translation>
    </message>
    <message id="plus.editeur_vider">
        <source>Empty</source>
        <extracomment>Editor button: every hole empty.</extracomment>
        <translation>Leeren</translation>
    </message>
    <message id="plus.editeur_remplir">
        <source>Fill</source>
        <extracomment>Editor button: a marble in every hole.</extracomment>
        <translation>Füllen</translation>
    </message>
    <message id="plus.editeur_nom_defaut">
        <source>My problem %1</source>
        <extracomment>Name given to a new problem: %1 its number.</extracomment>
        <translation>Meine Aufgabe %1</translation>
    </message>
    <message id="plus.editeur_garde">
        <source>“%1” is kept in My problems.</source>
        <extracomment>Spoken and shown when a problem is kept: %1 its name.</extracomment>
        <translation>„%1“ ist unter Meine Aufgaben gespeichert.</translation>
    </message>
    <message id="plus.editeur_cible">
        <source>%1, target</source>
        <extracomment>Screen reader, editor: the state of the target hole, %1 &quot;marble&quot; or &quot;empty&quot;.</extracomment>
        <translation>%1, Ziel</translation>
    </message>
    <message id="plus.verdict_attente">
        <source>Thinking…</source>
        <extracomment>Editor: the solver is still thinking about the position.</extracomment>
        <translation>Wird berechnet…</translation>
    </message>
    <message id="plus.verdict_un">
        <source>Can finish with 1 marble on %1 (proven)</source>
        <extracomment>Editor verdict: %1 the hole (&quot;e5&quot;).</extracomment>
        <translation>Kann mit 1 Kugel auf %1 enden (bewiesen)</translation>
    </message>
    <message id="plus.verdict_meilleur" numerus="yes">
        <source>Best: %1 marbles (proven)</source>
        <extracomment>Editor verdict: %1 the fewest marbles that can be left.</extracomment>
        <translation><numerusform>Bestes: %1 Kugel (bewiesen)</numerusform><numerusform>Bestes: %1 Kugeln (bewiesen)</numerusform></translation>
    </message>
    <message id="plus.verdict_non_prouve" numerus="yes">
        <source>Best found so far: %1 marbles (not proven)</source>
        <extracomment>Editor verdict: %1 the fewest marbles a line found leaves.</extracomment>
        <translation><numerusform>Bisher bestes: %1 Kugel (nicht bewiesen)</numerusform><numerusform>Bisher bestes: %1 Kugeln (nicht bewiesen)</numerusform></translation>
    </message>
    <message id="plus.verdict_cible_perdue" numerus="yes">
        <source>Target out of reach; best: %1 marbles (proven)</source>
        <extracomment>Editor verdict with a target that cannot be reached: %1 the fewest marbles.</extracomment>
        <translation><numerusform>Ziel unerreichbar; bestes: %1 Kugel (bewiesen)</numerusform><numerusform>Ziel unerreichbar; bestes: %1 Kugeln (bewiesen)</numerusform></translation>
    </message>
    <message id="plus.verdict_aucun">
        <source>No jump possible</source>
        <extracomment>Editor verdict: no marble can jump.</extracomment>
        <translation>Kein Sprung möglich</translation>
    </message>
    <message id="plus.mes_problemes">
        <source>My problems</source>
        <extracomment>Title of the list of the problems the player made.</extracomment>
        <translation>Meine Aufgaben</translation>
    </message>
    <message id="plus.renommer">
        <source>Rename…</source>
        <extracomment>My problems: button.</extracomment>
        <translation>Umbenennen…</translation>
    </message>
    <message id="plus.supprimer">
        <source>Delete</source>
        <extracomment>My problems: button.</extracomment>
        <translation>Löschen</translation>
    </message>
    <message id="plus.supprimer_question">
        <source>Delete “%1”?</source>
        <extracomment>My problems: confirmation, %1 the problem's name.</extracomment>
        <translation>„%1“ löschen?</translation>
    </message>
    <message id="plus.mes_problemes_endommages">
        <source>The file of your problems was unreadable or damaged: it has been set aside as “%1” and the list starts empty.</source>
        <extracomment>Message when the file of the player's problems is damaged: %1 the name it is kept under.</extracomment>
        <translation>Die Datei Ihrer Aufgaben war unlesbar oder beschädigt: Sie wurde unter dem Namen „%1“ beiseitegelegt, und die Liste beginnt leer.</translation>
    </message>
    <message id="plus.mes_problemes_ecriture">
        <source>Your problems cannot be written to “%1”.</source>
        <extracomment>Message when the file of the player's problems cannot be written: %1 its path.</extracomment>
        <translation>Ihre Aufgaben können nicht in „%1“ geschrieben werden.</translation>
    </message>
    <message id="plus.mes_problemes_aucun">
        <source>No problem of your own yet: press E on the board to make one.</source>
        <extracomment>My problems: the list is empty.</extracomment>
        <translation>Noch keine eigene Aufgabe: Drücken Sie E auf dem Brett, um eine zu erstellen.</translation>
    </message>
    <message id="plus.regarder">
        <source>Watch the solution</source>
        <extracomment>Context menu command (W): the solver's line played jump by jump.</extracomment>
        <translation>Lösung ansehen</translation>
    </message>
    <message id="plus.regarder_debut">
        <source>Watching the solution: Space pauses, the arrows step back and forth, Escape stops.</source>
        <extracomment>Balloon and speech when watching starts on a proven line.</extracomment>
        <translation>Die Lösung läuft: Leertaste hält an, die Pfeile gehen vor und zurück, Esc beendet.</translation>
    </message>
    <message id="plus.regarder_non_prouve">
        <source>Best line found (not proven): Space pauses, the arrows step back and forth, Escape stops.</source>
        <extracomment>Balloon and speech when watching starts on a line that is not proven the best.</extracomment>
        <translation>Beste gefundene Folge (nicht bewiesen): Leertaste hält an, die Pfeile gehen vor und zurück, Esc beendet.</translation>
    </message>
    <message id="plus.regarder_saut">
        <source>Jump %1 of %2: column %3, row %4 to column %5, row %6.</source>
        <extracomment>Spoken for each watched jump: %1 its number, %2 the jumps of the line, %3 %4 from column and row, %5 %6 to column and row.</extracomment>
        <translation>Sprung %1 von %2: Spalte %3, Reihe %4 nach Spalte %5, Reihe %6.</translation>
    </message>
    <message id="plus.regarder_pause">
        <source>Paused</source>
        <extracomment>Spoken when watching is paused or goes on.</extracomment>
        <translation>Angehalten</translation>
    </message>
    <message id="plus.regarder_fin">
        <source>Watching ended. %1</source>
        <extracomment>Spoken when watching ends: %1 the marbles left.</extracomment>
        <translation>Vorführung beendet. %1</translation>
    </message>
    <message id="plus.animation">
        <source>Animate jumps</source>
        <extracomment>Context menu setting: the player's jumps are shown sliding.</extracomment>
        <translation>Sprünge animieren</translation>
    </message>
</context>
</TS>
