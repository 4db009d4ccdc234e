<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_GB">
<context>
    <name>trelmo</name>
    <message id="textes.texture_plateau">
        <source>Background</source>
        <translation>Tavoliere</translation>
    </message>
    <message id="textes.texture_bille">
        <source>Marbles</source>
        <translation>Biglie</translation>
    </message>
    <message id="textes.infos">
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message id="textes.aide">
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message id="textes.charger">
        <source>Load</source>
        <translation>Carica</translation>
    </message>
    <message id="textes.sauver">
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message id="textes.scores">
        <source>Scores</source>
        <translation>Punteggi</translation>
    </message>
    <message id="textes.quitter">
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message id="textes.hint_texture_plateau">
        <source>Changing the texture of background</source>
        <translation>Cambia la trama del tavoliere</translation>
    </message>
    <message id="textes.hint_texture_bille">
        <source>Changing the texture of marbles</source>
        <translation>Cambia la trama delle biglie</translation>
    </message>
    <message id="textes.hint_infos">
        <source>About Trelmo</source>
        <translation>Informazioni su Trelmo</translation>
    </message>
    <message id="textes.hint_aide">
        <source>Show help</source>
        <translation>Mostra la guida</translation>
    </message>
    <message id="textes.hint_charger">
        <source>Loading the last game</source>
        <translation>Carica l'ultima partita</translation>
    </message>
    <message id="textes.hint_sauver">
        <source>Saving this game</source>
        <translation>Salva la partita in corso</translation>
    </message>
    <message id="textes.hint_scores">
        <source>List of the scores</source>
        <translation>I 10 migliori punteggi</translation>
    </message>
    <message id="textes.hint_quitter">
        <source>Exit game</source>
        <translation>Esci dal gioco</translation>
    </message>
    <message id="textes.taille_boutons">
        <source>17</source>
        <extracomment>Pixel height of the Load, Save and Scores captions: 17, or 13 when the three words are long.</extracomment>
        <translation>17</translation>
    </message>
    <message id="textes.gagne">
        <source>CONGRATULATION !!</source>
        <translation>HAI VINTO !!</translation>
    </message>
    <message id="textes.termine">
        <source>GAME OVER</source>
        <translation>PARTITA&#xd;FINITA</translation>
    </message>
    <message id="textes.reposer">
        <source>Stop&#xd;Game</source>
        <translation>Ferma&#xd;la partita</translation>
    </message>
    <message id="textes.reposer_hint">
        <source>Stop this game</source>
        <translation>Ferma la partita in corso</translation>
    </message>
    <message id="textes.nouvelle">
        <source>New&#xd;Game</source>
        <translation>Nuova&#xd;partita</translation>
    </message>
    <message id="textes.nouvelle_hint">
        <source>Start a new game</source>
        <translation>Inizia una nuova partita</translation>
    </message>
    <message id="textes.aucune_partie">
        <source>No game saving</source>
        <translation>Nessuna partita salvata</translation>
    </message>
    <message id="textes.annuler_partie">
        <source>Do you want cancel this game</source>
        <translation>Vuoi annullare la partita in corso?</translation>
    </message>
    <message id="textes.pas_de_partie">
        <source>No game</source>
        <translation>Nessuna partita in corso</translation>
    </message>
    <message id="textes.ecraser_partie">
        <source>Do you want save this game</source>
        <translation>Stai per sovrascrivere l'ultima partita salvata</translation>
    </message>
    <message id="textes.mode_titre">
        <source>Level</source>
        <extracomment>Title of the dialog that chooses the board. Its middle button stays &quot;Français (37 billes)&quot; in every language.</extracomment>
        <translation>Livello</translation>
    </message>
    <message id="textes.mode_m1">
        <source>traditional (33 balls)</source>
        <translation>Inglese (33 biglie)</translation>
    </message>
    <message id="textes.mode_m3">
        <source>Genius (44 balls)</source>
        <translation>Genio (44 biglie)</translation>
    </message>
    <message id="textes.nom_titre">
        <source>Congratulation !!</source>
        <translation>Complimenti !!</translation>
    </message>
    <message id="textes.nom_bravo">
        <source>CONGRATULATION !!</source>
        <translation>COMPLIMENTI !!</translation>
    </message>
    <message id="textes.nom_t1">
        <source>You are in the scores list</source>
        <translation>Sei tra i 10 migliori giocatori</translation>
    </message>
    <message id="textes.nom_t2">
        <source>Enter your name</source>
        <translation>Inserisci il tuo nome</translation>
    </message>
    <message id="textes.nom_bravo_points">
        <source>18</source>
        <extracomment>Point size of the big congratulation line of the name dialog: 18, or 16 when it is long.</extracomment>
        <translation>18</translation>
    </message>
    <message id="textes.score_titre">
        <source>SCORES LIST</source>
        <translation>PUNTEGGI</translation>
    </message>
    <message id="textes.score_joueur">
        <source>Player</source>
        <translation>Giocatore</translation>
    </message>
    <message id="textes.score_bille">
        <source>balls</source>
        <translation>Biglie</translation>
    </message>
    <message id="textes.score_duree">
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message id="splash.credit">
        <source>The classic marble solitaire</source>
        <translation>Il classico solitario con le biglie</translation>
    </message>
    <message id="plus.annuler">
        <source>Undo</source>
        <translation>Annulla la mossa</translation>
    </message>
    <message id="plus.refaire">
        <source>Redo</source>
        <translation>Ripeti la mossa</translation>
    </message>
    <message id="plus.indice">
        <source>Hint</source>
        <translation>Suggerimento</translation>
    </message>
    <message id="plus.reperes">
        <source>Show landing holes</source>
        <translation>Mostra le buche di arrivo</translation>
    </message>
    <message id="plus.taille">
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message id="plus.taille_pourcent">
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message id="plus.taille_ecran">
        <source>Fit the screen</source>
        <translation>Adatta allo schermo</translation>
    </message>
    <message id="plus.plein_ecran">
        <source>Full screen</source>
        <translation>Schermo intero</translation>
    </message>
    <message id="plus.problemes">
        <source>Problems…</source>
        <translation>Problemi…</translation>
    </message>
    <message id="plus.statistiques">
        <source>Statistics…</source>
        <translation>Statistiche…</translation>
    </message>
    <message id="plus.astuce">
        <source>Right-click for undo, hints and more</source>
        <translation>Clic destro: annulla, suggerimenti e altro</translation>
    </message>
    <message id="plus.plateau">
        <source>Board</source>
        <translation>Tavoliere</translation>
    </message>
    <message id="plus.trou">
        <source>Column %1, row %2: %3</source>
        <extracomment>Screen reader: %1 column, %2 row, %3 the state of the hole.</extracomment>
        <translation>Colonna %1, riga %2: %3</translation>
    </message>
    <message id="plus.bille">
        <source>marble</source>
        <translation>biglia</translation>
    </message>
    <message id="plus.bille_mobile">
        <source>marble, can jump</source>
        <translation>biglia, può saltare</translation>
    </message>
    <message id="plus.bille_prise">
        <source>marble, held</source>
        <translation>biglia, presa</translation>
    </message>
    <message id="plus.vide">
        <source>empty</source>
        <translation>vuota</translation>
    </message>
    <message id="plus.vide_arrivee">
        <source>empty, can land here</source>
        <translation>vuota, arrivo possibile</translation>
    </message>
    <message id="plus.billes_restantes">
        <source>Marbles left: %1</source>
        <translation>Biglie rimaste: %1</translation>
    </message>
    <message id="plus.temps">
        <source>Time: %1</source>
        <translation>Tempo: %1</translation>
    </message>
    <message id="plus.annonce_saut">
        <source>Jump from column %1, row %2 to column %3, row %4. %5</source>
        <extracomment>Screen reader: %1 %2 start column and row, %3 %4 landing column and row, %5 the marbles left.</extracomment>
        <translation>Salto dalla colonna %1, riga %2 alla colonna %3, riga %4. %5</translation>
    </message>
    <message id="plus.annonce_annule">
        <source>Jump undone. %1</source>
        <translation>Mossa annullata. %1</translation>
    </message>
    <message id="plus.reste_une">
        <source>1 marble left.</source>
        <translation>Resta una biglia.</translation>
    </message>
    <message id="plus.reste_n" numerus="yes">
        <source>%1 marbles left.</source>
        <translation><numerusform>Resta %1 biglia.</numerusform><numerusform>Restano %1 biglie.</numerusform></translation>
    </message>
    <message id="plus.annonce_gagne">
        <source>You won! One marble left.</source>
        <translation>Hai vinto! Resta una biglia.</translation>
    </message>
    <message id="plus.annonce_perdu" numerus="yes">
        <source>Game over. %1 marbles left.</source>
        <translation><numerusform>Partita finita. Resta %1 biglia.</numerusform><numerusform>Partita finita. Restano %1 biglie.</numerusform></translation>
    </message>
    <message id="plus.partie_endommagee">
        <source>The saved game is damaged.</source>
        <translation>La partita salvata è danneggiata.</translation>
    </message>
    <message id="plus.haut">
        <source>Jump up</source>
        <translation>Salta in alto</translation>
    </message>
    <message id="plus.droite">
        <source>Jump right</source>
        <translation>Salta a destra</translation>
    </message>
    <message id="plus.bas">
        <source>Jump down</source>
        <translation>Salta in basso</translation>
    </message>
    <message id="plus.gauche">
        <source>Jump left</source>
        <translation>Salta a sinistra</translation>
    </message>
    <message id="plus.finir_une">
        <source>%1: you can still finish with 1 marble.</source>
        <translation>%1: puoi ancora finire con una biglia.</translation>
    </message>
    <message id="plus.meilleur_n" numerus="yes">
        <source>%1: the best you can still reach is %2 marbles.</source>
        <extracomment>Hint: %1 the direction of the jump, %2 the number of marbles.</extracomment>
        <translation><numerusform>%1: il meglio ancora possibile è lasciare %2 biglia.</numerusform><numerusform>%1: il meglio ancora possibile è lasciare %2 biglie.</numerusform></translation>
    </message>
    <message id="plus.non_prouve" numerus="yes">
        <source>%1: best found so far, %2 marbles (not proven).</source>
        <extracomment>Hint: %1 the direction of the jump, %2 the number of marbles.</extracomment>
        <translation><numerusform>%1: miglior risultato trovato, %2 biglia (non dimostrato).</numerusform><numerusform>%1: miglior risultato trovato, %2 biglie (non dimostrato).</numerusform></translation>
    </message>
    <message id="plus.cible_atteignable">
        <source>%1: you can still finish on the target.</source>
        <translation>%1: puoi ancora finire sull'obiettivo.</translation>
    </message>
    <message id="plus.cible_perdue" numerus="yes">
        <source>%1: the target is out of reach; the best you can reach is %2 marbles.</source>
        <extracomment>Hint: %1 the direction of the jump, %2 the number of marbles.</extracomment>
        <translation><numerusform>%1: l'obiettivo non è più raggiungibile; il meglio è lasciare %2 biglia.</numerusform><numerusform>%1: l'obiettivo non è più raggiungibile; il meglio è lasciare %2 biglie.</numerusform></translation>
    </message>
    <message id="plus.prise_faite">
        <source>marble picked up</source>
        <extracomment>Screen reader, after &quot;Column %1, row %2: &quot;: the marble there is picked up.</extracomment>
        <translation>biglia presa</translation>
    </message>
    <message id="plus.prise_reposee">
        <source>marble put back</source>
        <extracomment>Screen reader, after &quot;Column %1, row %2: &quot;: the held marble is put back.</extracomment>
        <translation>biglia rimessa a posto</translation>
    </message>
    <message id="plus.pas_de_saut">
        <source>cannot jump from here</source>
        <extracomment>Screen reader, after &quot;Column %1, row %2: &quot;: the marble there has no jump.</extracomment>
        <translation>nessun salto possibile da qui</translation>
    </message>
    <message id="plus.pas_d_arrivee">
        <source>cannot land here.</source>
        <extracomment>Screen reader, after &quot;Column %1, row %2: &quot;: the held marble cannot land on that hole.</extracomment>
        <translation>impossibile arrivare qui.</translation>
    </message>
    <message id="plus.partie_commencee">
        <source>New game. %1</source>
        <extracomment>Screen reader: %1 the marbles left (&quot;32 marbles left.&quot;).</extracomment>
        <translation>Nuova partita. %1</translation>
    </message>
    <message id="plus.partie_chargee">
        <source>Game loaded. %1</source>
        <extracomment>Screen reader: %1 the marbles left (&quot;31 marbles left.&quot;).</extracomment>
        <translation>Partita caricata. %1</translation>
    </message>
    <message id="plus.partie_arretee">
        <source>Game stopped.</source>
        <translation>Partita interrotta.</translation>
    </message>
    <message id="plus.saut_conseille">
        <source>Jump from column %1, row %2 to column %3, row %4</source>
        <extracomment>Spoken hint: %1 %2 start column and row, %3 %4 landing column and row; the hint's sentence follows.</extracomment>
        <translation>Salto dalla colonna %1, riga %2 alla colonna %3, riga %4</translation>
    </message>
    <message id="plus.cible_trou">
        <source>The target is column %1, row %2.</source>
        <extracomment>Spoken hint in a problem: %1 %2 the target's column and row.</extracomment>
        <translation>L'obiettivo è la colonna %1, riga %2.</translation>
    </message>
    <message id="problemes.titre">
        <source>Problems</source>
        <translation>Problemi</translation>
    </message>
    <message id="problemes.plateaux[0]">
        <source>English board (33 holes)</source>
        <translation>Tavoliere inglese (33 buche)</translation>
    </message>
    <message id="problemes.plateaux[1]">
        <source>French board (37 holes)</source>
        <translation>Tavoliere francese (37 buche)</translation>
    </message>
    <message id="problemes.plateaux[2]">
        <source>Mission Impossible (45 holes)</source>
        <translation>Mission Impossible (45 buche)</translation>
    </message>
    <message id="problemes.billes" numerus="yes">
        <source>%1 marbles</source>
        <translation><numerusform>%1 biglia</numerusform><numerusform>%1 biglie</numerusform></translation>
    </message>
    <message id="problemes.finir_en">
        <source>finish on %1</source>
        <translation>finire in %1</translation>
    </message>
    <message id="problemes.finir_partout">
        <source>finish with one marble</source>
        <translation>finire con una biglia</translation>
    </message>
    <message id="problemes.separateur">
        <source>, </source>
        <extracomment>Between the marbles and the finish of a problem: &quot;6 marbles, finish on e5&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message id="problemes.serie" numerus="yes">
        <source>%1 problems, %2 solved</source>
        <extracomment>%1 the number of problems (the plural follows it), %2 how many are solved.</extracomment>
        <translation><numerusform>%1 problema, %2 risolti</numerusform><numerusform>%1 problemi, %2 risolti</numerusform></translation>
    </message>
    <message id="problemes.resolu">
        <source>Solved, best time %1</source>
        <translation>Risolto, miglior tempo %1</translation>
    </message>
    <message id="problemes.pas_resolu">
        <source>Not solved yet</source>
        <translation>Non ancora risolto</translation>
    </message>
    <message id="problemes.choisir_depart">
        <source>Choose the hole that starts empty</source>
        <translation>Scegli la buca vuota alla partenza</translation>
    </message>
    <message id="problemes.choisir_cible">
        <source>Choose the hole of the last marble</source>
        <translation>Scegli la buca dell'ultima biglia</translation>
    </message>
    <message id="problemes.symetriques">
        <source>The same problem turned or mirrored: %1</source>
        <translation>Lo stesso problema ruotato o riflesso: %1</translation>
    </message>
    <message id="problemes.autre_depart">
        <source>Escape: another starting hole</source>
        <translation>Esc: un'altra buca di partenza</translation>
    </message>
    <message id="problemes.trou">
        <source>Hole %1</source>
        <translation>Buca %1</translation>
    </message>
    <message id="problemes.trou_bille">
        <source>marble</source>
        <translation>biglia</translation>
    </message>
    <message id="problemes.trou_vide">
        <source>empty</source>
        <translation>vuota</translation>
    </message>
    <message id="problemes.trou_depart">
        <source>possible start</source>
        <translation>partenza possibile</translation>
    </message>
    <message id="problemes.trou_cible">
        <source>possible finish</source>
        <translation>arrivo possibile</translation>
    </message>
    <message id="problemes.trou_resolu">
        <source>solved</source>
        <translation>risolto</translation>
    </message>
    <message id="problemes.nom_liste">
        <source>List of problems</source>
        <translation>Elenco dei problemi</translation>
    </message>
    <message id="problemes.nom_plateau">
        <source>Board of the problem</source>
        <translation>Tavoliere del problema</translation>
    </message>
    <message id="problemes.jouer">
        <source>Play</source>
        <translation>Gioca</translation>
    </message>
    <message id="problemes.annuler">
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message id="problemes.stats_titre">
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message id="problemes.onglets[0]">
        <source>English</source>
        <translation>Inglese</translation>
    </message>
    <message id="problemes.onglets[1]">
        <source>French</source>
        <translation>Francese</translation>
    </message>
    <message id="problemes.onglets[2]">
        <source>Mission Impossible</source>
        <translation>Mission Impossible</translation>
    </message>
    <message id="problemes.onglets[3]">
        <source>Problems</source>
        <translation>Problemi</translation>
    </message>
    <message id="problemes.commencees">
        <source>Games started</source>
        <translation>Partite iniziate</translation>
    </message>
    <message id="problemes.terminees">
        <source>Games finished</source>
        <translation>Partite finite</translation>
    </message>
    <message id="problemes.gagnees">
        <source>Games won</source>
        <translation>Partite vinte</translation>
    </message>
    <message id="problemes.moins_de_billes">
        <source>Fewest marbles left</source>
        <translation>Meno biglie rimaste</translation>
    </message>
    <message id="problemes.meilleur_temps">
        <source>Best time</source>
        <translation>Miglior tempo</translation>
    </message>
    <message id="problemes.moyenne">
        <source>Mean result</source>
        <translation>Risultato medio</translation>
    </message>
    <message id="problemes.serie_en_cours">
        <source>Current winning streak</source>
        <translation>Vittorie di fila</translation>
    </message>
    <message id="problemes.meilleure_serie">
        <source>Best winning streak</source>
        <translation>Serie migliore</translation>
    </message>
    <message id="problemes.indices">
        <source>Hints used</source>
        <translation>Suggerimenti usati</translation>
    </message>
    <message id="problemes.resolus">
        <source>Problems solved</source>
        <translation>Problemi risolti</translation>
    </message>
    <message id="problemes.sur">
        <source>%1 of %2</source>
        <translation>%1 su %2</translation>
    </message>
    <message id="problemes.aucun">
        <source>–</source>
        <translation>–</translation>
    </message>
    <message id="problemes.graphique">
        <source>Marbles left at the end of a game</source>
        <translation>Biglie rimaste a fine partita</translation>
    </message>
    <message id="problemes.graphique_vide">
        <source>No finished game yet</source>
        <translation>Nessuna partita finita</translation>
    </message>
    <message id="problemes.graphique_barre" numerus="yes">
        <source>%1 marbles left: %2 games</source>
        <extracomment>Screen reader, one bar of the chart: %1 marbles left, %2 games (the plural follows %2).</extracomment>
        <translation><numerusform>%1 biglie rimaste: %2 partita</numerusform><numerusform>%1 biglie rimaste: %2 partite</numerusform></translation>
    </message>
    <message id="problemes.nom_onglets">
        <source>Boards</source>
        <translation>Tavolieri</translation>
    </message>
    <message id="problemes.decimale">
        <source>.</source>
        <extracomment>Decimal separator of the mean result: one character.</extracomment>
        <translation>,</translation>
    </message>
    <message id="problemes.par_probleme[0]">
        <source>Problem</source>
        <extracomment>Heading of the statistics' per-problem table: the problem's name.</extracomment>
        <translation>Problema</translation>
    </message>
    <message id="problemes.par_probleme[1]">
        <source>Started</source>
        <extracomment>Heading of the per-problem table: games started.</extracomment>
        <translation>Iniziate</translation>
    </message>
    <message id="problemes.par_probleme[2]">
        <source>Won</source>
        <extracomment>Heading of the per-problem table: games won.</extracomment>
        <translation>Vinte</translation>
    </message>
    <message id="problemes.par_probleme[3]">
        <source>Best time</source>
        <extracomment>Heading of the per-problem table: best time.</extracomment>
        <translation>Miglior tempo</translation>
    </message>
    <message id="problemes.par_probleme[4]">
        <source>Hints</source>
        <extracomment>Heading of the per-problem table: hints used.</extracomment>
        <translation>Suggerimenti</translation>
    </message>
    <message id="problemes.ligne_probleme">
        <source>%1: started %2, won %3, best time %4, hints %5</source>
        <extracomment>Screen reader, a row of the per-problem table: %1 the problem, %2 started, %3 won, %4 best time, %5 hints.</extracomment>
        <translation>%1: iniziate %2, vinte %3, miglior tempo %4, suggerimenti %5</translation>
    </message>
    <message id="problemes.nom_par_probleme">
        <source>Per problem</source>
        <extracomment>Screen reader: name of the statistics' per-problem table.</extracomment>
        <translation>Per problema</translation>
    </message>
    <message id="problemes.nom_scores">
        <source>The ten best scores</source>
        <extracomment>Screen reader: name of the score table.</extracomment>
        <translation>I dieci migliori punteggi</translation>
    </message>
    <message id="problemes.ligne_score">
        <source>%1. %2: %3, %4: %5, %6: %7</source>
        <extracomment>Screen reader, a row of the score table: %1 rank, %2 %4 %6 the headings, %3 %5 %7 their values.</extracomment>
        <translation>%1. %2: %3, %4: %5, %6: %7</translation>
    </message>
    <message id="fichiers.lecture">
        <source>The file %1 cannot be read (%2): your scores and choices will not be kept.</source>
        <extracomment>Files: %1 the settings file's path, %2 why it cannot be read (one of the reasons below).</extracomment>
        <translation>Impossibile leggere il file %1 (%2): i punteggi e le tue scelte non saranno conservati.</translation>
    </message>
    <message id="fichiers.ecriture">
        <source>The file %1 cannot be written (%2): your scores and choices will not be kept.</source>
        <extracomment>Files: %1 the settings file's path, %2 why it cannot be written.</extracomment>
        <translation>Impossibile scrivere il file %1 (%2): i punteggi e le tue scelte non saranno conservati.</translation>
    </message>
    <message id="fichiers.permission">
        <source>permission denied</source>
        <translation>permesso negato</translation>
    </message>
    <message id="fichiers.lecture_seule">
        <source>read-only file system</source>
        <translation>file system di sola lettura</translation>
    </message>
    <message id="fichiers.disque_plein">
        <source>disk full</source>
        <translation>disco pieno</translation>
    </message>
    <message id="fichiers.dossier_introuvable">
        <source>folder not found</source>
        <translation>cartella non trovata</translation>
    </message>
    <message id="fichiers.dossier_du_nom">
        <source>a folder has that name</source>
        <translation>una cartella ha quel nome</translation>
    </message>
    <message id="fichiers.nom_incorrect">
        <source>invalid file name</source>
        <translation>nome di file non valido</translation>
    </message>
    <message id="fichiers.entree_sortie">
        <source>disk input/output error</source>
        <translation>errore di input/output del disco</translation>
    </message>
    <message id="fichiers.systeme">
        <source>system error %1</source>
        <extracomment>Files, a reason: %1 the system's error number.</extracomment>
        <translation>errore di sistema %1</translation>
    </message>
    <message id="fichiers.stats_recent">
        <source>The statistics file “%1” comes from a newer version of Trelmo: it is left as it is and the statistics of this session will not be kept.</source>
        <extracomment>Files: %1 the statistics file's name.</extracomment>
        <translation>Il file delle statistiche «%1» viene da una versione più recente di Trelmo: viene lasciato com'è e le statistiche di questa sessione non saranno conservate.</translation>
    </message>
    <message id="fichiers.stats_pas_de_cote">
        <source>The statistics file “%1” is unreadable or damaged and could not be set aside: it is left as it is and the statistics of this session will not be kept.</source>
        <extracomment>Files: %1 the statistics file's name.</extracomment>
        <translation>Il file delle statistiche «%1» è illeggibile o danneggiato e non è stato possibile metterlo da parte: viene lasciato com'è e le statistiche di questa sessione non saranno conservate.</translation>
    </message>
    <message id="fichiers.stats_ecriture">
        <source>The statistics file “%1” cannot be written (%2): the statistics of this session will not be kept.</source>
        <extracomment>Files: %1 the statistics file's path, %2 why it cannot be written.</extracomment>
        <translation>Impossibile scrivere il file delle statistiche «%1» (%2): le statistiche di questa sessione non saranno conservate.</translation>
    </message>
    <message id="fichiers.stats_mis_de_cote">
        <source>The statistics file was unreadable or damaged: it has been set aside as “%1” and the statistics start afresh.</source>
        <extracomment>Files: %1 the name the damaged file is kept under.</extracomment>
        <translation>Il file delle statistiche era illeggibile o danneggiato: è stato messo da parte con il nome «%1» e le statistiche ripartono da zero.</translation>
    </message>
    <message id="probleme.croix">
        <source>The Cross</source>
        <translation>La croce</translation>
    </message>
    <message id="probleme.plus">
        <source>The Plus</source>
        <translation>Il più</translation>
    </message>
    <message id="probleme.double-croix">
        <source>The Double Cross</source>
        <translation>La doppia croce</translation>
    </message>
    <message id="probleme.cheminee">
        <source>The Fireplace</source>
        <translation>Il camino</translation>
    </message>
    <message id="probleme.calice">
        <source>The Goblet</source>
        <translation>Il calice</translation>
    </message>
    <message id="probleme.sapin">
        <source>The Fir Tree</source>
        <translation>L'abete</translation>
    </message>
    <message id="probleme.lampe">
        <source>The Lamp</source>
        <translation>La lampada</translation>
    </message>
    <message id="probleme.pyramide">
        <source>The Pyramid</source>
        <translation>La piramide</translation>
    </message>
    <message id="probleme.fleche">
        <source>The Up Arrow</source>
        <translation>La freccia</translation>
    </message>
    <message id="probleme.losange">
        <source>The Diamond</source>
        <translation>Il rombo</translation>
    </message>
    <message id="groupe.anglais-trou">
        <source>One empty hole</source>
        <translation>Una sola buca vuota</translation>
    </message>
    <message id="probleme.francais-couronne">
        <source>The Crown</source>
        <translation>La corona</translation>
    </message>
    <message id="probleme.francais-bague">
        <source>The Ring</source>
        <translation>L'anello</translation>
    </message>
    <message id="groupe.francais-trou">
        <source>One empty hole</source>
        <translation>Una sola buca vuota</translation>
    </message>
    <message id="probleme.mission-grande-croix">
        <source>The Great Cross</source>
        <translation>La grande croce</translation>
    </message>
    <message id="probleme.mission-fusee">
        <source>The Rocket</source>
        <translation>Il razzo</translation>
    </message>
    <message id="probleme.mission-totem">
        <source>The Totem Pole</source>
        <translation>Il totem</translation>
    </message>
    <message id="groupe.mission-depart">
        <source>Standard start</source>
        <translation>Partenza classica</translation>
    </message>
    <message id="serie.anglais-trou">
        <source>{depart} empty, finish on {cible}</source>
        <extracomment>Name of one problem of the series: {depart} the hole that starts empty, {cible} the finishing hole (&quot;e5&quot;). Keep the braces.</extracomment>
        <translation>{depart} vuota, finire in {cible}</translation>
    </message>
    <message id="serie.francais-trou">
        <source>{depart} empty, finish on {cible}</source>
        <extracomment>Name of one problem of the series: {depart} the hole that starts empty, {cible} the finishing hole (&quot;e5&quot;). Keep the braces.</extracomment>
        <translation>{depart} vuota, finire in {cible}</translation>
    </message>
    <message id="serie.mission-depart">
        <source>Standard start, finish on {cible}</source>
        <extracomment>Name of one problem of the series: {cible} the finishing hole (&quot;e5&quot;). Keep the braces.</extracomment>
        <translation>Partenza classica, finire in {cible}</translation>
    </message>
    <message id="plus.reprendre">
        <source>Resume last game</source>
        <extracomment>Context menu command (Ctrl+R): takes up the game kept when the program last ended.</extracomment>
        <translation>Riprendi l’ultima partita</translation>
    </message>
    <message id="plus.reprise_gardee">
        <source>The last game was kept: Ctrl+R (or “Resume last game” in the right-click menu) takes it up again.</source>
        <extracomment>Balloon at the start when the game in progress at the last exit was kept.</extracomment>
        <translation>L’ultima partita è stata conservata: Ctrl+R (o «Riprendi l’ultima partita» nel menu del tasto destro) la riprende.</translation>
    </message>
    <message id="plus.reprise_faite">
        <source>Last game taken up again. %1</source>
        <extracomment>Spoken when the kept game is back on the board: %1 the marbles left (&quot;24 marbles left.&quot;).</extracomment>
        <translation>Ultima partita ripresa. %1</translation>
    </message>
    <message id="plus.reprise_endommagee">
        <source>The file of the last game was unreadable or damaged: it has been set aside and that game cannot be taken up again.</source>
        <extracomment>Message when the file of the kept game cannot be read.</extracomment>
        <translation>Il file dell’ultima partita era illeggibile o danneggiato: è stato messo da parte e quella partita non può essere ripresa.</translation>
    </message>
    <message id="plus.abandon_annule">
        <source>Game back on the board. %1</source>
        <extracomment>Spoken when Ctrl+Z brings back a game that was stopped or replaced: %1 the marbles left.</extracomment>
        <translation>Partita di nuovo sul tavoliere. %1</translation>
    </message>
    <message id="plus.copier">
        <source>Copy position</source>
        <extracomment>Context menu command (Ctrl+C): the position on the board to the clipboard as text.</extracomment>
        <translation>Copia la posizione</translation>
    </message>
    <message id="plus.coller">
        <source>Paste problem</source>
        <extracomment>Context menu command (Ctrl+V): opens a position held by the clipboard as a problem.</extracomment>
        <translation>Incolla un problema</translation>
    </message>
    <message id="plus.copie_faite">
        <source>Position copied to the clipboard as text.</source>
        <extracomment>Balloon and speech after Copy.</extracomment>
        <translation>Posizione copiata negli appunti come testo.</translation>
    </message>
    <message id="plus.texte_refuse">
        <source>This text is not a position of the game: a picture of the English, French or 45-hole board is wanted, one line a row, “o” for a marble and “.” for an empty hole.</source>
        <extracomment>Message when pasted or imported text holds no position.</extracomment>
        <translation>Questo testo non è una posizione del gioco: serve un disegno del tavoliere inglese, francese o a 45 fori, una riga per fila, «o» per una biglia e «.» per un foro vuoto.</translation>
    </message>
    <message id="plus.exporter">
        <source>Export…</source>
        <extracomment>Command: writes the position or problem to a text file.</extracomment>
        <translation>Esporta…</translation>
    </message>
    <message id="plus.importer">
        <source>Import…</source>
        <extracomment>Command: reads a problem from a text file.</extracomment>
        <translation>Importa…</translation>
    </message>
    <message id="plus.fichier_ecriture">
        <source>“%1” cannot be written.</source>
        <extracomment>Message when an exported file cannot be written: %1 its path.</extracomment>
        <translation>Impossibile scrivere «%1».</translation>
    </message>
    <message id="plus.filtre">
        <source>Board pictures (*.txt)</source>
        <extracomment>File dialog filter of the problem files; keep (*.txt).</extracomment>
        <translation>Disegni del tavoliere (*.txt)</translation>
    </message>
    <message id="plus.nouveau_probleme">
        <source>New problem…</source>
        <extracomment>Context menu command (E): opens the problem editor.</extracomment>
        <translation>Nuovo problema…</translation>
    </message>
    <message id="plus.editeur_titre">
        <source>Problem editor</source>
        <extracomment>Title of the problem editor.</extracomment>
        <translation>Editor di problemi</translation>
    </message>
    <message id="plus.editeur_aide">
        <source>Click: put or take a marble. Right-click: ring the target. Keyboard: arrows, Space, T.</source>
        <extracomment>Line under the editor's board.</extracomment>
        <translation>Clic: metti o togli una biglia. Clic destro: cerchia il bersaglio. Tastiera: frecce, Spazio, T.</translation>
    </message>
    <message id="plus.editeur_plateau">
        <source>Board:</source>
        <extracomment>Label of the board chooser in the editor.</extracomment>
        <translation>Tavoliere:</translation>
    </message>
    <message id="plus.editeur_nom">
        <source>Name:</source>
        <extracomment>Label of the name field in the editor.</extracomment>
        <translation>Nome:</translation>
    </message>
    <message id="plus.editeur_garder">
        <source>Keep</source>
        <extracomment>Editor button: keeps the problem in My problems.</extracomment>
        <translation>Conserva</translation>
    </message>
    <message id="plus.editeur_jouer">
        <source>Play</source>
        <extracomment>Editor button: plays the position as a problem.</extracomment>
        <translation>Gioca</translation>
    </message>
    <message id="plus.editeur_fermer">
        <source>Close</source>
        <extracomment>Editor button.</extracomment>
        <translation>Chiudi</translation>
    </message>
    <message id="plus.editeur_vider">
        <source>Empty</source>
        <extracomment>Editor button: every hole empty.</extracomment>
        <translation>Svuota</translation>
    </message>
    <message id="plus.editeur_remplir">
        <source>Fill</source>
        <extracomment>Editor button: a marble in every hole.</extracomment>
        <translation>Riempi</translation>
    </message>
    <message id="plus.editeur_nom_defaut">
        <source>My problem %1</source>
        <extracomment>Name given to a new problem: %1 its number.</extracomment>
        <translation>Il mio problema %1</translation>
    </message>
    <message id="plus.editeur_garde">
        <source>“%1” is kept in My problems.</source>
        <extracomment>Spoken and shown when a problem is kept: %1 its name.</extracomment>
        <translation>«%1» è conservato in I miei problemi.</translation>
    </message>
    <message id="plus.editeur_cible">
        <source>%1, target</source>
        <extracomment>Screen reader, editor: the state of the target hole, %1 &quot;marble&quot; or &quot;empty&quot;.</extracomment>
        <translation>%1, bersaglio</translation>
    </message>
    <message id="plus.verdict_attente">
        <source>Thinking…</source>
        <extracomment>Editor: the solver is still thinking about the position.</extracomment>
        <translation>Sto pensando…</translation>
    </message>
    <message id="plus.verdict_un">
        <source>Can finish with 1 marble on %1 (proven)</source>
        <extracomment>Editor verdict: %1 the hole (&quot;e5&quot;).</extracomment>
        <translation>Può finire con 1 biglia in %1 (dimostrato)</translation>
    </message>
    <message id="plus.verdict_meilleur" numerus="yes">
        <source>Best: %1 marbles (proven)</source>
        <extracomment>Editor verdict: %1 the fewest marbles that can be left.</extracomment>
        <translation><numerusform>Migliore: %1 biglia (dimostrato)</numerusform><numerusform>Migliore: %1 biglie (dimostrato)</numerusform></translation>
    </message>
    <message id="plus.verdict_non_prouve" numerus="yes">
        <source>Best found so far: %1 marbles (not proven)</source>
        <extracomment>Editor verdict: %1 the fewest marbles a line found leaves.</extracomment>
        <translation><numerusform>Migliore trovato finora: %1 biglia (non dimostrato)</numerusform><numerusform>Migliore trovato finora: %1 biglie (non dimostrato)</numerusform></translation>
    </message>
    <message id="plus.verdict_cible_perdue" numerus="yes">
        <source>Target out of reach; best: %1 marbles (proven)</source>
        <extracomment>Editor verdict with a target that cannot be reached: %1 the fewest marbles.</extracomment>
        <translation><numerusform>Bersaglio irraggiungibile; migliore: %1 biglia (dimostrato)</numerusform><numerusform>Bersaglio irraggiungibile; migliore: %1 biglie (dimostrato)</numerusform></translation>
    </message>
    <message id="plus.verdict_aucun">
        <source>No jump possible</source>
        <extracomment>Editor verdict: no marble can jump.</extracomment>
        <translation>Nessun salto possibile</translation>
    </message>
    <message id="plus.mes_problemes">
        <source>My problems</source>
        <extracomment>Title of the list of the problems the player made.</extracomment>
        <translation>I miei problemi</translation>
    </message>
    <message id="plus.renommer">
        <source>Rename…</source>
        <extracomment>My problems: button.</extracomment>
        <translation>Rinomina…</translation>
    </message>
    <message id="plus.supprimer">
        <source>Delete</source>
        <extracomment>My problems: button.</extracomment>
        <translation>Elimina</translation>
    </message>
    <message id="plus.supprimer_question">
        <source>Delete “%1”?</source>
        <extracomment>My problems: confirmation, %1 the problem's name.</extracomment>
        <translation>Eliminare «%1»?</translation>
    </message>
    <message id="plus.mes_problemes_endommages">
        <source>The file of your problems was unreadable or damaged: it has been set aside as “%1” and the list starts empty.</source>
        <extracomment>Message when the file of the player's problems is damaged: %1 the name it is kept under.</extracomment>
        <translation>Il file dei tuoi problemi era illeggibile o danneggiato: è stato messo da parte come «%1» e l’elenco riparte vuoto.</translation>
    </message>
    <message id="plus.mes_problemes_ecriture">
        <source>Your problems cannot be written to “%1”.</source>
        <extracomment>Message when the file of the player's problems cannot be written: %1 its path.</extracomment>
        <translation>I tuoi problemi non possono essere scritti in «%1».</translation>
    </message>
    <message id="plus.mes_problemes_aucun">
        <source>No problem of your own yet: press E on the board to make one.</source>
        <extracomment>My problems: the list is empty.</extracomment>
        <translation>Ancora nessun problema tuo: premi E sul tavoliere per crearne uno.</translation>
    </message>
    <message id="plus.regarder">
        <source>Watch the solution</source>
        <extracomment>Context menu command (W): the solver's line played jump by jump.</extracomment>
        <translation>Guarda la soluzione</translation>
    </message>
    <message id="plus.regarder_debut">
        <source>Watching the solution: Space pauses, the arrows step back and forth, Escape stops.</source>
        <extracomment>Balloon and speech when watching starts on a proven line.</extracomment>
        <translation>Soluzione in corso: Spazio mette in pausa, le frecce vanno avanti e indietro, Esc ferma.</translation>
    </message>
    <message id="plus.regarder_non_prouve">
        <source>Best line found (not proven): Space pauses, the arrows step back and forth, Escape stops.</source>
        <extracomment>Balloon and speech when watching starts on a line that is not proven the best.</extracomment>
        <translation>Migliore linea trovata (non dimostrata): Spazio mette in pausa, le frecce vanno avanti e indietro, Esc ferma.</translation>
    </message>
    <message id="plus.regarder_saut">
        <source>Jump %1 of %2: column %3, row %4 to column %5, row %6.</source>
        <extracomment>Spoken for each watched jump: %1 its number, %2 the jumps of the line, %3 %4 from column and row, %5 %6 to column and row.</extracomment>
        <translation>Salto %1 di %2: colonna %3, riga %4 verso colonna %5, riga %6.</translation>
    </message>
    <message id="plus.regarder_pause">
        <source>Paused</source>
        <extracomment>Spoken when watching is paused or goes on.</extracomment>
        <translation>In pausa</translation>
    </message>
    <message id="plus.regarder_fin">
        <source>Watching ended. %1</source>
        <extracomment>Spoken when watching ends: %1 the marbles left.</extracomment>
        <translation>Fine della dimostrazione. %1</translation>
    </message>
    <message id="plus.animation">
        <source>Animate jumps</source>
        <extracomment>Context menu setting: the player's jumps are shown sliding.</extracomment>
        <translation>Anima i salti</translation>
    </message>
</context>
</TS>
