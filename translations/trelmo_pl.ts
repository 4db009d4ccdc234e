<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en_GB">
<context>
    <name>trelmo</name>
    <message id="textes.texture_plateau">
        <source>Background</source>
        <translation>Plansza</translation>
    </message>
    <message id="textes.texture_bille">
        <source>Marbles</source>
        <translation>Kulki</translation>
    </message>
    <message id="textes.infos">
        <source>About</source>
        <translation>O grze</translation>
    </message>
    <message id="textes.aide">
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message id="textes.charger">
        <source>Load</source>
        <translation>Wczytaj</translation>
    </message>
    <message id="textes.sauver">
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message id="textes.scores">
        <source>Scores</source>
        <translation>Wyniki</translation>
    </message>
    <message id="textes.quitter">
        <source>Exit</source>
        <translation>Wyjdź</translation>
    </message>
    <message id="textes.hint_texture_plateau">
        <source>Changing the texture of background</source>
        <translation>Zmień wygląd planszy</translation>
    </message>
    <message id="textes.hint_texture_bille">
        <source>Changing the texture of marbles</source>
        <translation>Zmień wygląd kulek</translation>
    </message>
    <message id="textes.hint_infos">
        <source>About Trelmo</source>
        <translation>O programie Trelmo</translation>
    </message>
    <message id="textes.hint_aide">
        <source>Show help</source>
        <translation>Pokaż pomoc</translation>
    </message>
    <message id="textes.hint_charger">
        <source>Loading the last game</source>
        <translation>Wczytaj ostatnią grę</translation>
    </message>
    <message id="textes.hint_sauver">
        <source>Saving this game</source>
        <translation>Zapisz bieżącą grę</translation>
    </message>
    <message id="textes.hint_scores">
        <source>List of the scores</source>
        <translation>10 najlepszych wyników</translation>
    </message>
    <message id="textes.hint_quitter">
        <source>Exit game</source>
        <translation>Zakończ grę</translation>
    </message>
    <message id="textes.taille_boutons">
        <source>17</source>
        <extracomment>Pixel height of the Load, Save and Scores captions: 17, or 13 when the three words are long.</extracomment>
        <translation>17</translation>
    </message>
    <message id="textes.gagne">
        <source>CONGRATULATION !!</source>
        <translation>WYGRANA !!</translation>
    </message>
    <message id="textes.termine">
        <source>GAME OVER</source>
        <translation>KONIEC&#xd;GRY</translation>
    </message>
    <message id="textes.reposer">
        <source>Stop&#xd;Game</source>
        <translation>Przerwij&#xd;grę</translation>
    </message>
    <message id="textes.reposer_hint">
        <source>Stop this game</source>
        <translation>Przerwij bieżącą grę</translation>
    </message>
    <message id="textes.nouvelle">
        <source>New&#xd;Game</source>
        <translation>Nowa&#xd;gra</translation>
    </message>
    <message id="textes.nouvelle_hint">
        <source>Start a new game</source>
        <translation>Rozpocznij nową grę</translation>
    </message>
    <message id="textes.aucune_partie">
        <source>No game saving</source>
        <translation>Nie zapisano żadnej gry</translation>
    </message>
    <message id="textes.annuler_partie">
        <source>Do you want cancel this game</source>
        <translation>Czy przerwać bieżącą grę?</translation>
    </message>
    <message id="textes.pas_de_partie">
        <source>No game</source>
        <translation>Żadna gra nie trwa</translation>
    </message>
    <message id="textes.ecraser_partie">
        <source>Do you want save this game</source>
        <translation>Ostatnia zapisana gra zostanie nadpisana</translation>
    </message>
    <message id="textes.mode_titre">
        <source>Level</source>
        <extracomment>Title of the dialog that chooses the board. Its middle button stays &quot;Français (37 billes)&quot; in every language.</extracomment>
        <translation>Poziom</translation>
    </message>
    <message id="textes.mode_m1">
        <source>traditional (33 balls)</source>
        <translation>Angielska (33 kulki)</translation>
    </message>
    <message id="textes.mode_m3">
        <source>Genius (44 balls)</source>
        <translation>Geniusz (44 kulki)</translation>
    </message>
    <message id="textes.nom_titre">
        <source>Congratulation !!</source>
        <translation>Gratulacje !!</translation>
    </message>
    <message id="textes.nom_bravo">
        <source>CONGRATULATION !!</source>
        <translation>GRATULACJE !!</translation>
    </message>
    <message id="textes.nom_t1">
        <source>You are in the scores list</source>
        <translation>Jesteś wśród 10 najlepszych graczy</translation>
    </message>
    <message id="textes.nom_t2">
        <source>Enter your name</source>
        <translation>Wpisz swoje imię</translation>
    </message>
    <message id="textes.nom_bravo_points">
        <source>18</source>
        <extracomment>Point size of the big congratulation line of the name dialog: 18, or 16 when it is long.</extracomment>
        <translation>18</translation>
    </message>
    <message id="textes.score_titre">
        <source>SCORES LIST</source>
        <translation>LISTA WYNIKÓW</translation>
    </message>
    <message id="textes.score_joueur">
        <source>Player</source>
        <translation>Gracz</translation>
    </message>
    <message id="textes.score_bille">
        <source>balls</source>
        <translation>Kulki</translation>
    </message>
    <message id="textes.score_duree">
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message id="splash.credit">
        <source>The classic marble solitaire</source>
        <translation>Klasyczny samotnik z kulkami</translation>
    </message>
    <message id="plus.annuler">
        <source>Undo</source>
        <translation>Cofnij ruch</translation>
    </message>
    <message id="plus.refaire">
        <source>Redo</source>
        <translation>Powtórz ruch</translation>
    </message>
    <message id="plus.indice">
        <source>Hint</source>
        <translation>Podpowiedź</translation>
    </message>
    <message id="plus.reperes">
        <source>Show landing holes</source>
        <translation>Pokaż dołki docelowe</translation>
    </message>
    <message id="plus.taille">
        <source>Size</source>
        <translation>Rozmiar</translation>
    </message>
    <message id="plus.taille_pourcent">
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message id="plus.taille_ecran">
        <source>Fit the screen</source>
        <translation>Dopasuj do ekranu</translation>
    </message>
    <message id="plus.plein_ecran">
        <source>Full screen</source>
        <translation>Pełny ekran</translation>
    </message>
    <message id="plus.problemes">
        <source>Problems…</source>
        <translation>Zadania…</translation>
    </message>
    <message id="plus.statistiques">
        <source>Statistics…</source>
        <translation>Statystyki…</translation>
    </message>
    <message id="plus.astuce">
        <source>Right-click for undo, hints and more</source>
        <translation>Prawy przycisk: cofanie, podpowiedzi i więcej</translation>
    </message>
    <message id="plus.plateau">
        <source>Board</source>
        <translation>Plansza</translation>
    </message>
    <message id="plus.trou">
        <source>Column %1, row %2: %3</source>
        <extracomment>Screen reader: %1 column, %2 row, %3 the state of the hole.</extracomment>
        <translation>Kolumna %1, rząd %2: %3</translation>
    </message>
    <message id="plus.bille">
        <source>marble</source>
        <translation>kulka</translation>
    </message>
    <message id="plus.bille_mobile">
        <source>marble, can jump</source>
        <translation>kulka, może skoczyć</translation>
    </message>
    <message id="plus.bille_prise">
        <source>marble, held</source>
        <translation>kulka, podniesiona</translation>
    </message>
    <message id="plus.vide">
        <source>empty</source>
        <translation>pusty</translation>
    </message>
    <message id="plus.vide_arrivee">
        <source>empty, can land here</source>
        <translation>pusty, można tu skoczyć</translation>
    </message>
    <message id="plus.billes_restantes">
        <source>Marbles left: %1</source>
        <translation>Pozostałe kulki: %1</translation>
    </message>
    <message id="plus.temps">
        <source>Time: %1</source>
        <translation>Czas: %1</translation>
    </message>
    <message id="plus.annonce_saut">
        <source>Jump from column %1, row %2 to column %3, row %4. %5</source>
        <extracomment>Screen reader: %1 %2 start column and row, %3 %4 landing column and row, %5 the marbles left.</extracomment>
        <translation>Skok z kolumny %1, rzędu %2 do kolumny %3, rzędu %4. %5</translation>
    </message>
    <message id="plus.annonce_annule">
        <source>Jump undone. %1</source>
        <translation>Skok cofnięty. %1</translation>
    </message>
    <message id="plus.reste_une">
        <source>1 marble left.</source>
        <translation>Została jedna kulka.</translation>
    </message>
    <message id="plus.reste_n" numerus="yes">
        <source>%1 marbles left.</source>
        <translation><numerusform>Została %1 kulka.</numerusform><numerusform>Zostały %1 kulki.</numerusform><numerusform>Zostało %1 kulek.</numerusform></translation>
    </message>
    <message id="plus.annonce_gagne">
        <source>You won! One marble left.</source>
        <translation>Wygrana! Została jedna kulka.</translation>
    </message>
    <message id="plus.annonce_perdu" numerus="yes">
        <source>Game over. %1 marbles left.</source>
        <translation><numerusform>Koniec gry. Została %1 kulka.</numerusform><numerusform>Koniec gry. Zostały %1 kulki.</numerusform><numerusform>Koniec gry. Zostało %1 kulek.</numerusform></translation>
    </message>
    <message id="plus.partie_endommagee">
        <source>The saved game is damaged.</source>
        <translation>Zapisana gra jest uszkodzona.</translation>
    </message>
    <message id="plus.haut">
        <source>Jump up</source>
        <translation>Skocz w górę</translation>
    </message>
    <message id="plus.droite">
        <source>Jump right</source>
        <translation>Skocz w prawo</translation>
    </message>
    <message id="plus.bas">
        <source>Jump down</source>
        <translation>Skocz w dół</translation>
    </message>
    <message id="plus.gauche">
        <source>Jump left</source>
        <translation>Skocz w lewo</translation>
    </message>
    <message id="plus.finir_une">
        <source>%1: you can still finish with 1 marble.</source>
        <translation>%1: nadal możesz skończyć z jedną kulką.</translation>
    </message>
    <message id="plus.meilleur_n" numerus="yes">
        <source>%1: the best you can still reach is %2 marbles.</source>
        <extracomment>Hint: %1 the direction of the jump, %2 the number of marbles.</extracomment>
        <translation><numerusform>%1: najlepszy możliwy wynik to %2 kulka.</numerusform><numerusform>%1: najlepszy możliwy wynik to %2 kulki.</numerusform><numerusform>%1: najlepszy możliwy wynik to %2 kulek.</numerusform></translation>
    </message>
    <message id="plus.non_prouve" numerus="yes">
        <source>%1: best found so far, %2 marbles (not proven).</source>
        <extracomment>Hint: %1 the direction of the jump, %2 the number of marbles.</extracomment>
        <translation><numerusform>%1: najlepszy znaleziony wynik, %2 kulka (bez dowodu).</numerusform><numerusform>%1: najlepszy znaleziony wynik, %2 kulki (bez dowodu).</numerusform><numerusform>%1: najlepszy znaleziony wynik, %2 kulek (bez dowodu).</numerusform></translation>
    </message>
    <message id="plus.cible_atteignable">
        <source>%1: you can still finish on the target.</source>
        <translation>%1: nadal możesz skończyć na celu.</translation>
    </message>
    <message id="plus.cible_perdue" numerus="yes">
        <source>%1: the target is out of reach; the best you can reach is %2 marbles.</source>
        <extracomment>Hint: %1 the direction of the jump, %2 the number of marbles.</extracomment>
        <translation><numerusform>%1: cel jest już nieosiągalny; najlepszy wynik to %2 kulka.</numerusform><numerusform>%1: cel jest już nieosiągalny; najlepszy wynik to %2 kulki.</numerusform><numerusform>%1: cel jest już nieosiągalny; najlepszy wynik to %2 kulek.</numerusform></translation>
    </message>
    <message id="plus.prise_faite">
        <source>marble picked up</source>
        <extracomment>Screen reader, after &quot;Column %1, row %2: &quot;: the marble there is picked up.</extracomment>
        <translation>kulka podniesiona</translation>
    </message>
    <message id="plus.prise_reposee">
        <source>marble put back</source>
        <extracomment>Screen reader, after &quot;Column %1, row %2: &quot;: the held marble is put back.</extracomment>
        <translation>kulka odłożona</translation>
    </message>
    <message id="plus.pas_de_saut">
        <source>cannot jump from here</source>
        <extracomment>Screen reader, after &quot;Column %1, row %2: &quot;: the marble there has no jump.</extracomment>
        <translation>stąd nie ma skoku</translation>
    </message>
    <message id="plus.pas_d_arrivee">
        <source>cannot land here.</source>
        <extracomment>Screen reader, after &quot;Column %1, row %2: &quot;: the held marble cannot land on that hole.</extracomment>
        <translation>nie można tu skoczyć.</translation>
    </message>
    <message id="plus.partie_commencee">
        <source>New game. %1</source>
        <extracomment>Screen reader: %1 the marbles left (&quot;32 marbles left.&quot;).</extracomment>
        <translation>Nowa gra. %1</translation>
    </message>
    <message id="plus.partie_chargee">
        <source>Game loaded. %1</source>
        <extracomment>Screen reader: %1 the marbles left (&quot;31 marbles left.&quot;).</extracomment>
        <translation>Gra wczytana. %1</translation>
    </message>
    <message id="plus.partie_arretee">
        <source>Game stopped.</source>
        <translation>Gra przerwana.</translation>
    </message>
    <message id="plus.saut_conseille">
        <source>Jump from column %1, row %2 to column %3, row %4</source>
        <extracomment>Spoken hint: %1 %2 start column and row, %3 %4 landing column and row; the hint's sentence follows.</extracomment>
        <translation>Skok z kolumny %1, rzędu %2 do kolumny %3, rzędu %4</translation>
    </message>
    <message id="plus.cible_trou">
        <source>The target is column %1, row %2.</source>
        <extracomment>Spoken hint in a problem: %1 %2 the target's column and row.</extracomment>
        <translation>Cel to kolumna %1, rząd %2.</translation>
    </message>
    <message id="problemes.titre">
        <source>Problems</source>
        <translation>Zadania</translation>
    </message>
    <message id="problemes.plateaux[0]">
        <source>English board (33 holes)</source>
        <translation>Plansza angielska (33 dołki)</translation>
    </message>
    <message id="problemes.plateaux[1]">
        <source>French board (37 holes)</source>
        <translation>Plansza francuska (37 dołków)</translation>
    </message>
    <message id="problemes.plateaux[2]">
        <source>Mission Impossible (45 holes)</source>
        <translation>Mission Impossible (45 dołków)</translation>
    </message>
    <message id="problemes.billes" numerus="yes">
        <source>%1 marbles</source>
        <translation><numerusform>%1 kulka</numerusform><numerusform>%1 kulki</numerusform><numerusform>%1 kulek</numerusform></translation>
    </message>
    <message id="problemes.finir_en">
        <source>finish on %1</source>
        <translation>koniec na %1</translation>
    </message>
    <message id="problemes.finir_partout">
        <source>finish with one marble</source>
        <translation>koniec z jedną kulką</translation>
    </message>
    <message id="problemes.separateur">
        <source>, </source>
        <extracomment>Between the marbles and the finish of a problem: &quot;6 marbles, finish on e5&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message id="problemes.serie" numerus="yes">
        <source>%1 problems, %2 solved</source>
        <extracomment>%1 the number of problems (the plural follows it), %2 how many are solved.</extracomment>
        <translation><numerusform>%1 zadanie, rozwiązane: %2</numerusform><numerusform>%1 zadania, rozwiązane: %2</numerusform><numerusform>%1 zadań, rozwiązane: %2</numerusform></translation>
    </message>
    <message id="problemes.resolu">
        <source>Solved, best time %1</source>
        <translation>Rozwiązane, najlepszy czas %1</translation>
    </message>
    <message id="problemes.pas_resolu">
        <source>Not solved yet</source>
        <translation>Jeszcze nierozwiązane</translation>
    </message>
    <message id="problemes.choisir_depart">
        <source>Choose the hole that starts empty</source>
        <translation>Wybierz dołek pusty na starcie</translation>
    </message>
    <message id="problemes.choisir_cible">
        <source>Choose the hole of the last marble</source>
        <translation>Wybierz dołek ostatniej kulki</translation>
    </message>
    <message id="problemes.symetriques">
        <source>The same problem turned or mirrored: %1</source>
        <translation>To samo zadanie obrócone lub odbite: %1</translation>
    </message>
    <message id="problemes.autre_depart">
        <source>Escape: another starting hole</source>
        <translation>Esc: inny dołek startowy</translation>
    </message>
    <message id="problemes.trou">
        <source>Hole %1</source>
        <translation>Dołek %1</translation>
    </message>
    <message id="problemes.trou_bille">
        <source>marble</source>
        <translation>kulka</translation>
    </message>
    <message id="problemes.trou_vide">
        <source>empty</source>
        <translation>pusty</translation>
    </message>
    <message id="problemes.trou_depart">
        <source>possible start</source>
        <translation>możliwy start</translation>
    </message>
    <message id="problemes.trou_cible">
        <source>possible finish</source>
        <translation>możliwy koniec</translation>
    </message>
    <message id="problemes.trou_resolu">
        <source>solved</source>
        <translation>rozwiązane</translation>
    </message>
    <message id="problemes.nom_liste">
        <source>List of problems</source>
        <translation>Lista zadań</translation>
    </message>
    <message id="problemes.nom_plateau">
        <source>Board of the problem</source>
        <translation>Plansza zadania</translation>
    </message>
    <message id="problemes.jouer">
        <source>Play</source>
        <translation>Graj</translation>
    </message>
    <message id="problemes.annuler">
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message id="problemes.stats_titre">
        <source>Statistics</source>
        <translation>Statystyki</translation>
    </message>
    <message id="problemes.onglets[0]">
        <source>English</source>
        <translation>Angielska</translation>
    </message>
    <message id="problemes.onglets[1]">
        <source>French</source>
        <translation>Francuska</translation>
    </message>
    <message id="problemes.onglets[2]">
        <source>Mission Impossible</source>
        <translation>Mission Impossible</translation>
    </message>
    <message id="problemes.onglets[3]">
        <source>Problems</source>
        <translation>Zadania</translation>
    </message>
    <message id="problemes.commencees">
        <source>Games started</source>
        <translation>Rozpoczęte gry</translation>
    </message>
    <message id="problemes.terminees">
        <source>Games finished</source>
        <translation>Ukończone gry</translation>
    </message>
    <message id="problemes.gagnees">
        <source>Games won</source>
        <translation>Wygrane gry</translation>
    </message>
    <message id="problemes.moins_de_billes">
        <source>Fewest marbles left</source>
        <translation>Najmniej pozostałych kulek</translation>
    </message>
    <message id="problemes.meilleur_temps">
        <source>Best time</source>
        <translation>Najlepszy czas</translation>
    </message>
    <message id="problemes.moyenne">
        <source>Mean result</source>
        <translation>Średni wynik</translation>
    </message>
    <message id="problemes.serie_en_cours">
        <source>Current winning streak</source>
        <translation>Obecna seria wygranych</translation>
    </message>
    <message id="problemes.meilleure_serie">
        <source>Best winning streak</source>
        <translation>Najlepsza seria</translation>
    </message>
    <message id="problemes.indices">
        <source>Hints used</source>
        <translation>Użyte podpowiedzi</translation>
    </message>
    <message id="problemes.resolus">
        <source>Problems solved</source>
        <translation>Rozwiązane zadania</translation>
    </message>
    <message id="problemes.sur">
        <source>%1 of %2</source>
        <translation>%1 z %2</translation>
    </message>
    <message id="problemes.aucun">
        <source>–</source>
        <translation>–</translation>
    </message>
    <message id="problemes.graphique">
        <source>Marbles left at the end of a game</source>
        <translation>Kulki pozostałe na koniec gry</translation>
    </message>
    <message id="problemes.graphique_vide">
        <source>No finished game yet</source>
        <translation>Brak ukończonych gier</translation>
    </message>
    <message id="problemes.graphique_barre" numerus="yes">
        <source>%1 marbles left: %2 games</source>
        <extracomment>Screen reader, one bar of the chart: %1 marbles left, %2 games (the plural follows %2).</extracomment>
        <translation><numerusform>Pozostałe kulki: %1, gry: %2</numerusform><numerusform>Pozostałe kulki: %1, gry: %2</numerusform><numerusform>Pozostałe kulki: %1, gry: %2</numerusform></translation>
    </message>
    <message id="problemes.nom_onglets">
        <source>Boards</source>
        <translation>Plansze</translation>
    </message>
    <message id="problemes.decimale">
        <source>.</source>
        <extracomment>Decimal separator of the mean result: one character.</extracomment>
        <translation>,</translation>
    </message>
    <message id="problemes.par_probleme[0]">
        <source>Problem</source>
        <extracomment>Heading of the statistics' per-problem table: the problem's name.</extracomment>
        <translation>Zadanie</translation>
    </message>
    <message id="problemes.par_probleme[1]">
        <source>Started</source>
        <extracomment>Heading of the per-problem table: games started.</extracomment>
        <translation>Rozpoczęte</translation>
    </message>
    <message id="problemes.par_probleme[2]">
        <source>Won</source>
        <extracomment>Heading of the per-problem table: games won.</extracomment>
        <translation>Wygrane</translation>
    </message>
    <message id="problemes.par_probleme[3]">
        <source>Best time</source>
        <extracomment>Heading of the per-problem table: best time.</extracomment>
        <translation>Najlepszy czas</translation>
    </message>
    <message id="problemes.par_probleme[4]">
        <source>Hints</source>
        <extracomment>Heading of the per-problem table: hints used.</extracomment>
        <translation>Podpowiedzi</translation>
    </message>
    <message id="problemes.ligne_probleme">
        <source>%1: started %2, won %3, best time %4, hints %5</source>
        <extracomment>Screen reader, a row of the per-problem table: %1 the problem, %2 started, %3 won, %4 best time, %5 hints.</extracomment>
        <translation>%1: rozpoczęte %2, wygrane %3, najlepszy czas %4, podpowiedzi %5</translation>
    </message>
    <message id="problemes.nom_par_probleme">
        <source>Per problem</source>
        <extracomment>Screen reader: name of the statistics' per-problem table.</extracomment>
        <translation>Dla każdego zadania</translation>
    </message>
    <message id="problemes.nom_scores">
        <source>The ten best scores</source>
        <extracomment>Screen reader: name of the score table.</extracomment>
        <translation>Dziesięć najlepszych wyników</translation>
    </message>
    <message id="problemes.ligne_score">
        <source>%1. %2: %3, %4: %5, %6: %7</source>
        <extracomment>Screen reader, a row of the score table: %1 rank, %2 %4 %6 the headings, %3 %5 %7 their values.</extracomment>
        <translation>%1. %2: %3, %4: %5, %6: %7</translation>
    </message>
    <message id="fichiers.lecture">
        <source>The file %1 cannot be read (%2): your scores and choices will not be kept.</source>
        <extracomment>Files: %1 the settings file's path, %2 why it cannot be read (one of the reasons below).</extracomment>
        <translation>Nie można odczytać pliku %1 (%2): wyniki i ustawienia nie zostaną zachowane.</translation>
    </message>
    <message id="fichiers.ecriture">
        <source>The file %1 cannot be written (%2): your scores and choices will not be kept.</source>
        <extracomment>Files: %1 the settings file's path, %2 why it cannot be written.</extracomment>
        <translation>Nie można zapisać pliku %1 (%2): wyniki i ustawienia nie zostaną zachowane.</translation>
    </message>
    <message id="fichiers.permission">
        <source>permission denied</source>
        <translation>brak uprawnień</translation>
    </message>
    <message id="fichiers.lecture_seule">
        <source>read-only file system</source>
        <translation>system plików tylko do odczytu</translation>
    </message>
    <message id="fichiers.disque_plein">
        <source>disk full</source>
        <translation>dysk pełny</translation>
    </message>
    <message id="fichiers.dossier_introuvable">
        <source>folder not found</source>
        <translation>nie znaleziono folderu</translation>
    </message>
    <message id="fichiers.dossier_du_nom">
        <source>a folder has that name</source>
        <translation>istnieje folder o tej nazwie</translation>
    </message>
    <message id="fichiers.nom_incorrect">
        <source>invalid file name</source>
        <translation>nieprawidłowa nazwa pliku</translation>
    </message>
    <message id="fichiers.entree_sortie">
        <source>disk input/output error</source>
        <translation>błąd wejścia/wyjścia dysku</translation>
    </message>
    <message id="fichiers.systeme">
        <source>system error %1</source>
        <extracomment>Files, a reason: %1 the system's error number.</extracomment>
        <translation>błąd systemu %1</translation>
    </message>
    <message id="fichiers.stats_recent">
        <source>The statistics file “%1” comes from a newer version of Trelmo: it is left as it is and the statistics of this session will not be kept.</source>
        <extracomment>Files: %1 the statistics file's name.</extracomment>
        <translation>Plik statystyk „%1” pochodzi z nowszej wersji Trelmo: pozostaje bez zmian, a statystyki tej sesji nie zostaną zachowane.</translation>
    </message>
    <message id="fichiers.stats_pas_de_cote">
        <source>The statistics file “%1” is unreadable or damaged and could not be set aside: it is left as it is and the statistics of this session will not be kept.</source>
        <extracomment>Files: %1 the statistics file's name.</extracomment>
        <translation>Plik statystyk „%1” jest nieczytelny lub uszkodzony i nie udało się go odłożyć: pozostaje bez zmian, a statystyki tej sesji nie zostaną zachowane.</translation>
    </message>
    <message id="fichiers.stats_ecriture">
        <source>The statistics file “%1” cannot be written (%2): the statistics of this session will not be kept.</source>
        <extracomment>Files: %1 the statistics file's path, %2 why it cannot be written.</extracomment>
        <translation>Nie można zapisać pliku statystyk „%1” (%2): statystyki tej sesji nie zostaną zachowane.</translation>
    </message>
    <message id="fichiers.stats_mis_de_cote">
        <source>The statistics file was unreadable or damaged: it has been set aside as “%1” and the statistics start afresh.</source>
        <extracomment>Files: %1 the name the damaged file is kept under.</extracomment>
        <translation>Plik statystyk był nieczytelny lub uszkodzony: odłożono go pod nazwą „%1”, a statystyki zaczynają się od nowa.</translation>
    </message>
    <message id="probleme.croix">
        <source>The Cross</source>
        <translation>Krzyż</translation>
    </message>
    <message id="probleme.plus">
        <source>The Plus</source>
        <translation>Plus</translation>
    </message>
    <message id="probleme.double-croix">
        <source>The Double Cross</source>
        <translation>Podwójny krzyż</translation>
    </message>
    <message id="probleme.cheminee">
        <source>The Fireplace</source>
        <translation>Kominek</translation>
    </message>
    <message id="probleme.calice">
        <source>The Goblet</source>
        <translation>Kielich</translation>
    </message>
    <message id="probleme.sapin">
        <source>The Fir Tree</source>
        <translation>Jodła</translation>
    </message>
    <message id="probleme.lampe">
        <source>The Lamp</source>
        <translation>Lampa</translation>
    </message>
    <message id="probleme.pyramide">
        <source>The Pyramid</source>
        <translation>Piramida</translation>
    </message>
    <message id="probleme.fleche">
        <source>The Up Arrow</source>
        <translation>Strzałka</translation>
    </message>
    <message id="probleme.losange">
        <source>The Diamond</source>
        <translation>Romb</translation>
    </message>
    <message id="groupe.anglais-trou">
        <source>One empty hole</source>
        <translation>Jeden pusty dołek</translation>
    </message>
    <message id="probleme.francais-couronne">
        <source>The Crown</source>
        <translation>Korona</translation>
    </message>
    <message id="probleme.francais-bague">
        <source>The Ring</source>
        <translation>Pierścień</translation>
    </message>
    <message id="groupe.francais-trou">
        <source>One empty hole</source>
        <translation>Jeden pusty dołek</translation>
    </message>
    <message id="probleme.mission-grande-croix">
        <source>The Great Cross</source>
        <translation>Wielki krzyż</translation>
    </message>
    <message id="probleme.mission-fusee">
        <source>The Rocket</source>
        <translation>Rakieta</translation>
    </message>
    <message id="probleme.mission-totem">
        <source>The Totem Pole</source>
        <translation>Totem</translation>
    </message>
    <message id="groupe.mission-depart">
        <source>Standard start</source>
        <translation>Start klasyczny</translation>
    </message>
    <message id="serie.anglais-trou">
        <source>{depart} empty, finish on {cible}</source>
        <extracomment>Name of one problem of the series: {depart} the hole that starts empty, {cible} the finishing hole (&quot;e5&quot;). Keep the braces.</extracomment>
        <translation>{depart} pusty, koniec na {cible}</translation>
    </message>
    <message id="serie.francais-trou">
        <source>{depart} empty, finish on {cible}</source>
        <extracomment>Name of one problem of the series: {depart} the hole that starts empty, {cible} the finishing hole (&quot;e5&quot;). Keep the braces.</extracomment>
        <translation>{depart} pusty, koniec na {cible}</translation>
    </message>
    <message id="serie.mission-depart">
        <source>Standard start, finish on {cible}</source>
        <extracomment>Name of one problem of the series: {cible} the finishing hole (&quot;e5&quot;). Keep the braces.</extracomment>
        <translation>Start klasyczny, koniec na {cible}</translation>
    </message>
    <message id="plus.reprendre">
        <source>Resume last game</source>
        <extracomment>Context menu command (Ctrl+R): takes up the game kept when the program last ended.</extracomment>
        <translation>Wznów ostatnią grę</translation>
    </message>
    <message id="plus.reprise_gardee">
        <source>The last game was kept: Ctrl+R (or “Resume last game” in the right-click menu) takes it up again.</source>
        <extracomment>Balloon at the start when the game in progress at the last exit was kept.</extracomment>
        <translation>Ostatnia gra została zachowana: Ctrl+R (lub „Wznów ostatnią grę” w menu prawego przycisku) ją wznawia.</translation>
    </message>
    <message id="plus.reprise_faite">
        <source>Last game taken up again. %1</source>
        <extracomment>Spoken when the kept game is back on the board: %1 the marbles left (&quot;24 marbles left.&quot;).</extracomment>
        <translation>Wznowiono ostatnią grę. %1</translation>
    </message>
    <message id="plus.reprise_endommagee">
        <source>The file of the last game was unreadable or damaged: it has been set aside and that game cannot be taken up again.</source>
        <extracomment>Message when the file of the kept game cannot be read.</extracomment>
        <translation>Plik ostatniej gry był nieczytelny lub uszkodzony: odłożono go na bok i tej gry nie można wznowić.</translation>
    </message>
    <message id="plus.abandon_annule">
        <source>Game back on the board. %1</source>
        <extracomment>Spoken when Ctrl+Z brings back a game that was stopped or replaced: %1 the marbles left.</extracomment>
        <translation>Gra z powrotem na planszy. %1</translation>
    </message>
    <message id="plus.copier">
        <source>Copy position</source>
        <extracomment>Context menu command (Ctrl+C): the position on the board to the clipboard as text.</extracomment>
        <translation>Kopiuj pozycję</translation>
    </message>
    <message id="plus.coller">
        <source>Paste problem</source>
        <extracomment>Context menu command (Ctrl+V): opens a position held by the clipboard as a problem.</extracomment>
        <translation>Wklej zadanie</translation>
    </message>
    <message id="plus.copie_faite">
        <source>Position copied to the clipboard as text.</source>
        <extracomment>Balloon and speech after Copy.</extracomment>
        <translation>Pozycję skopiowano do schowka jako tekst.</translation>
    </message>
    <message id="plus.texte_refuse">
        <source>This text is not a position of the game: a picture of the English, French or 45-hole board is wanted, one line a row, “o” for a marble and “.” for an empty hole.</source>
        <extracomment>Message when pasted or imported text holds no position.</extracomment>
        <translation>Ten tekst nie jest pozycją gry: potrzebny jest rysunek planszy angielskiej, francuskiej lub 45-otworowej, jeden wiersz na rząd, „o” to kulka, „.” to pusty otwór.</translation>
    </message>
    <message id="plus.exporter">
        <source>Export…</source>
        <extracomment>Command: writes the position or problem to a text file.</extracomment>
        <translation>Eksportuj…</translation>
    </message>
    <message id="plus.importer">
        <source>Import…</source>
        <extracomment>Command: reads a problem from a text file.</extracomment>
        <translation>Importuj…</translation>
    </message>
    <message id="plus.fichier_ecriture">
        <source>“%1” cannot be written.</source>
        <extracomment>Message when an exported file cannot be written: %1 its path.</extracomment>
        <translation>Nie można zapisać „%1”.</translation>
    </message>
    <message id="plus.filtre">
        <source>Board pictures (*.txt)</source>
        <extracomment>File dialog filter of the problem files; keep (*.txt).</extracomment>
        <translation>Rysunki planszy (*.txt)</translation>
    </message>
    <message id="plus.nouveau_probleme">
        <source>New problem…</source>
        <extracomment>Context menu command (E): opens the problem editor.</extracomment>
        <translation>Nowe zadanie…</translation>
    </message>
    <message id="plus.editeur_titre">
        <source>Problem editor</source>
        <extracomment>Title of the problem editor.</extracomment>
        <translation>Edytor zadań</translation>
    </message>
    <message id="plus.editeur_aide">
        <source>Click: put or take a marble. Right-click: ring the target. Keyboard: arrows, Space, T.</source>
        <extracomment>Line under the editor's board.</extracomment>
        <translation>Klik: połóż lub zdejmij kulkę. Prawy klik: zaznacz cel. Klawiatura: strzałki, spacja, T.</translation>
    </message>
    <message id="plus.editeur_plateau">
        <source>Board:</source>
        <extracomment>Label of the board chooser in the editor.</extracomment>
        <translation>Plansza:</translation>
    </message>
    <message id="plus.editeur_nom">
        <source>Name:</source>
        <extracomment>Label of the name field in the editor.</extracomment>
        <translation>Nazwa:</translation>
    </message>
    <message id="plus.editeur_garder">
        <source>Keep</source>
        <extracomment>Editor button: keeps the problem in My problems.</extracomment>
        <translation>Zachowaj</translation>
    </message>
    <message id="plus.editeur_jouer">
        <source>Play</source>
        <extracomment>Editor button: plays the position as a problem.</extracomment>
        <translation>Graj</translation>
    </message>
    <message id="plus.editeur_fermer">
        <source>Close</source>
        <extracomment>Editor button.</extracomment>
        <translation>Zamknij</translation>
    </message>
    <message id="plus.editeur_vider">
        <source>Empty</source>
        <extracomment>Editor button: every hole empty.</extracomment>
        <translation>Opróżnij</translation>
    </message>
    <message id="plus.editeur_remplir">
        <source>Fill</source>
        <extracomment>Editor button: a marble in every hole.</extracomment>
        <translation>Wypełnij</translation>
    </message>
    <message id="plus.editeur_nom_defaut">
        <source>My problem %1</source>
        <extracomment>Name given to a new problem: %1 its number.</extracomment>
        <translation>Moje zadanie %1</translation>
    </message>
    <message id="plus.editeur_garde">
        <source>“%1” is kept in My problems.</source>
        <extracomment>Spoken and shown when a problem is kept: %1 its name.</extracomment>
        <translation>„%1” zachowano w Moich zadaniach.</translation>
    </message>
    <message id="plus.editeur_cible">
        <source>%1, target</source>
        <extracomment>Screen reader, editor: the state of the target hole, %1 &quot;marble&quot; or &quot;empty&quot;.</extracomment>
        <translation>%1, cel</translation>
    </message>
    <message id="plus.verdict_attente">
        <source>Thinking…</source>
        <extracomment>Editor: the solver is still thinking about the position.</extracomment>
        <translation>Myślę…</translation>
    </message>
    <message id="plus.verdict_un">
        <source>Can finish with 1 marble on %1 (proven)</source>
        <extracomment>Editor verdict: %1 the hole (&quot;e5&quot;).</extracomment>
        <translation>Można skończyć z 1 kulką na %1 (udowodnione)</translation>
    </message>
    <message id="plus.verdict_meilleur" numerus="yes">
        <source>Best: %1 marbles (proven)</source>
        <extracomment>Editor verdict: %1 the fewest marbles that can be left.</extracomment>
        <translation><numerusform>Najlepiej: %1 kulka (udowodnione)</numerusform><numerusform>Najlepiej: %1 kulki (udowodnione)</numerusform><numerusform>Najlepiej: %1 kulek (udowodnione)</numerusform></translation>
    </message>
    <message id="plus.verdict_non_prouve" numerus="yes">
        <source>Best found so far: %1 marbles (not proven)</source>
        <extracomment>Editor verdict: %1 the fewest marbles a line found leaves.</extracomment>
        <translation><numerusform>Najlepsze dotąd: %1 kulka (nieudowodnione)</numerusform><numerusform>Najlepsze dotąd: %1 kulki (nieudowodnione)</numerusform><numerusform>Najlepsze dotąd: %1 kulek (nieudowodnione)</numerusform></translation>
    </message>
    <message id="plus.verdict_cible_perdue" numerus="yes">
        <source>Target out of reach; best: %1 marbles (proven)</source>
        <extracomment>Editor verdict with a target that cannot be reached: %1 the fewest marbles.</extracomment>
        <translation><numerusform>Cel nieosiągalny; najlepiej: %1 kulka (udowodnione)</numerusform><numerusform>Cel nieosiągalny; najlepiej: %1 kulki (udowodnione)</numerusform><numerusform>Cel nieosiągalny; najlepiej: %1 kulek (udowodnione)</numerusform></translation>
    </message>
    <message id="plus.verdict_aucun">
        <source>No jump possible</source>
        <extracomment>Editor verdict: no marble can jump.</extracomment>
        <translation>Żaden skok nie jest możliwy</translation>
    </message>
    <message id="plus.mes_problemes">
        <source>My problems</source>
        <extracomment>Title of the list of the problems the player made.</extracomment>
        <translation>Moje zadania</translation>
    </message>
    <message id="plus.renommer">
        <source>Rename…</source>
        <extracomment>My problems: button.</extracomment>
        <translation>Zmień nazwę…</translation>
    </message>
    <message id="plus.supprimer">
        <source>Delete</source>
        <extracomment>My problems: button.</extracomment>
        <translation>Usuń</translation>
    </message>
    <message id="plus.supprimer_question">
        <source>Delete “%1”?</source>
        <extracomment>My problems: confirmation, %1 the problem's name.</extracomment>
        <translation>Usunąć „%1”?</translation>
    </message>
    <message id="plus.mes_problemes_endommages">
        <source>The file of your problems was unreadable or damaged: it has been set aside as “%1” and the list starts empty.</source>
        <extracomment>Message when the file of the player's problems is damaged: %1 the name it is kept under.</extracomment>
        <translation>Plik Twoich zadań był nieczytelny lub uszkodzony: odłożono go jako „%1”, a lista zaczyna się od nowa.</translation>
    </message>
    <message id="plus.mes_problemes_ecriture">
        <source>Your problems cannot be written to “%1”.</source>
        <extracomment>Message when the file of the player's problems cannot be written: %1 its path.</extracomment>
        <translation>Nie można zapisać Twoich zadań w „%1”.</translation>
    </message>
    <message id="plus.mes_problemes_aucun">
        <source>No problem of your own yet: press E on the board to make one.</source>
        <extracomment>My problems: the list is empty.</extracomment>
        <translation>Nie masz jeszcze własnych zadań: naciśnij E na planszy, aby je utworzyć.</translation>
    </message>
    <message id="plus.regarder">
        <source>Watch the solution</source>
        <extracomment>Context menu command (W): the solver's line played jump by jump.</extracomment>
        <translation>Obejrzyj rozwiązanie</translation>
    </message>
    <message id="plus.regarder_debut">
        <source>Watching the solution: Space pauses, the arrows step back and forth, Escape stops.</source>
        <extracomment>Balloon and speech when watching starts on a proven line.</extracomment>
        <translation>Oglądasz rozwiązanie: spacja wstrzymuje, strzałki przewijają, Esc kończy.</translation>
    </message>
    <message id="plus.regarder_non_prouve">
        <source>Best line found (not proven): Space pauses, the arrows step back and forth, Escape stops.</source>
        <extracomment>Balloon and speech when watching starts on a line that is not proven the best.</extracomment>
        <translation>Najlepsza znaleziona linia (nieudowodniona): spacja wstrzymuje, strzałki przewijają, Esc kończy.</translation>
    </message>
    <message id="plus.regarder_saut">
        <source>Jump %1 of %2: column %3, row %4 to column %5, row %6.</source>
        <extracomment>Spoken for each watched jump: %1 its number, %2 the jumps of the line, %3 %4 from column and row, %5 %6 to column and row.</extracomment>
        <translation>Skok %1 z %2: kolumna %3, rząd %4 na kolumnę %5, rząd %6.</translation>
    </message>
    <message id="plus.regarder_pause">
        <source>Paused</source>
        <extracomment>Spoken when watching is paused or goes on.</extracomment>
        <translation>Wstrzymano</translation>
    </message>
    <message id="plus.regarder_fin">
        <source>Watching ended. %1</source>
        <extracomment>Spoken when watching ends: %1 the marbles left.</extracomment>
        <translation>Koniec pokazu. %1</translation>
    </message>
    <message id="plus.animation">
        <source>Animate jumps</source>
        <extracomment>Context menu setting: the player's jumps are shown sliding.</extracomment>
        <translation>Animuj skoki</translation>
    </message>
</context>
</TS>
