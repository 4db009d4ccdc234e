<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_GB">
<context>
    <name>trelmo</name>
    <message id="textes.texture_plateau">
        <source>Background</source>
        <translation>盤</translation>
    </message>
    <message id="textes.texture_bille">
        <source>Marbles</source>
        <translation>ビー玉</translation>
    </message>
    <message id="textes.infos">
        <source>About</source>
        <translation>情報</translation>
    </message>
    <message id="textes.aide">
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message id="textes.charger">
        <source>Load</source>
        <translation>読込</translation>
    </message>
    <message id="textes.sauver">
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message id="textes.scores">
        <source>Scores</source>
        <translation>記録</translation>
    </message>
    <message id="textes.quitter">
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message id="textes.hint_texture_plateau">
        <source>Changing the texture of background</source>
        <translation>盤の模様を変える</translation>
    </message>
    <message id="textes.hint_texture_bille">
        <source>Changing the texture of marbles</source>
        <translation>ビー玉の模様を変える</translation>
    </message>
    <message id="textes.hint_infos">
        <source>About Trelmo</source>
        <translation>Trelmo について</translation>
    </message>
    <message id="textes.hint_aide">
        <source>Show help</source>
        <translation>ヘルプを見る</translation>
    </message>
    <message id="textes.hint_charger">
        <source>Loading the last game</source>
        <translation>最後に保存したゲームを読み込む</translation>
    </message>
    <message id="textes.hint_sauver">
        <source>Saving this game</source>
        <translation>今のゲームを保存する</translation>
    </message>
    <message id="textes.hint_scores">
        <source>List of the scores</source>
        <translation>ベスト 10 の記録</translation>
    </message>
    <message id="textes.hint_quitter">
        <source>Exit game</source>
        <translation>ゲームを終了する</translation>
    </message>
    <message id="textes.taille_boutons">
        <source>17</source>
        <extracomment>Pixel height of the Load, Save and Scores captions: 17, or 13 when the three words are long.</extracomment>
        <translation>17</translation>
    </message>
    <message id="textes.gagne">
        <source>CONGRATULATION !!</source>
        <translation>クリア！！</translation>
    </message>
    <message id="textes.termine">
        <source>GAME OVER</source>
        <translation>ゲーム&#xd;オーバー</translation>
    </message>
    <message id="textes.reposer">
        <source>Stop&#xd;Game</source>
        <translation>ゲーム&#xd;中止</translation>
    </message>
    <message id="textes.reposer_hint">
        <source>Stop this game</source>
        <translation>今のゲームを中止する</translation>
    </message>
    <message id="textes.nouvelle">
        <source>New&#xd;Game</source>
        <translation>新しい&#xd;ゲーム</translation>
    </message>
    <message id="textes.nouvelle_hint">
        <source>Start a new game</source>
        <translation>新しいゲームを始める</translation>
    </message>
    <message id="textes.aucune_partie">
        <source>No game saving</source>
        <translation>保存されたゲームはありません</translation>
    </message>
    <message id="textes.annuler_partie">
        <source>Do you want cancel this game</source>
        <translation>今のゲームを中止しますか？</translation>
    </message>
    <message id="textes.pas_de_partie">
        <source>No game</source>
        <translation>進行中のゲームはありません</translation>
    </message>
    <message id="textes.ecraser_partie">
        <source>Do you want save this game</source>
        <translation>最後に保存したゲームを上書きします</translation>
    </message>
    <message id="textes.mode_titre">
        <source>Level</source>
        <extracomment>Title of the dialog that chooses the board. Its middle button stays &quot;Français (37 billes)&quot; in every language.</extracomment>
        <translation>レベル</translation>
    </message>
    <message id="textes.mode_m1">
        <source>traditional (33 balls)</source>
        <translation>英国式（ビー玉 33 個）</translation>
    </message>
    <message id="textes.mode_m3">
        <source>Genius (44 balls)</source>
        <translation>天才（ビー玉 44 個）</translation>
    </message>
    <message id="textes.nom_titre">
        <source>Congratulation !!</source>
        <translation>おめでとう！！</translation>
    </message>
    <message id="textes.nom_bravo">
        <source>CONGRATULATION !!</source>
        <translation>おめでとう！！</translation>
    </message>
    <message id="textes.nom_t1">
        <source>You are in the scores list</source>
        <translation>ベスト 10 に入りました</translation>
    </message>
    <message id="textes.nom_t2">
        <source>Enter your name</source>
        <translation>名前を入力してください</translation>
    </message>
    <message id="textes.nom_bravo_points">
        <source>18</source>
        <extracomment>Point size of the big congratulation line of the name dialog: 18, or 16 when it is long.</extracomment>
        <translation>18</translation>
    </message>
    <message id="textes.score_titre">
        <source>SCORES LIST</source>
        <translation>記録一覧</translation>
    </message>
    <message id="textes.score_joueur">
        <source>Player</source>
        <translation>プレイヤー</translation>
    </message>
    <message id="textes.score_bille">
        <source>balls</source>
        <translation>ビー玉</translation>
    </message>
    <message id="textes.score_duree">
        <source>Time</source>
        <translation>時間</translation>
    </message>
    <message id="splash.credit">
        <source>The classic marble solitaire</source>
        <translation>定番のビー玉ソリティア</translation>
    </message>
    <message id="plus.annuler">
        <source>Undo</source>
        <translation>一手戻す</translation>
    </message>
    <message id="plus.refaire">
        <source>Redo</source>
        <translation>一手やり直す</translation>
    </message>
    <message id="plus.indice">
        <source>Hint</source>
        <translation>ヒント</translation>
    </message>
    <message id="plus.reperes">
        <source>Show landing holes</source>
        <translation>着地できる穴を表示</translation>
    </message>
    <message id="plus.taille">
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message id="plus.taille_pourcent">
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message id="plus.taille_ecran">
        <source>Fit the screen</source>
        <translation>画面に合わせる</translation>
    </message>
    <message id="plus.plein_ecran">
        <source>Full screen</source>
        <translation>全画面表示</translation>
    </message>
    <message id="plus.problemes">
        <source>Problems…</source>
        <translation>問題…</translation>
    </message>
    <message id="plus.statistiques">
        <source>Statistics…</source>
        <translation>統計…</translation>
    </message>
    <message id="plus.astuce">
        <source>Right-click for undo, hints and more</source>
        <translation>右クリック: 取り消し、ヒントなど</translation>
    </message>
    <message id="plus.plateau">
        <source>Board</source>
        <translation>盤</translation>
    </message>
    <message id="plus.trou">
        <source>Column %1, row %2: %3</source>
        <extracomment>Screen reader: %1 column, %2 row, %3 the state of the hole.</extracomment>
        <translation>%1 列、%2 行: %3</translation>
    </message>
    <message id="plus.bille">
        <source>marble</source>
        <translation>ビー玉</translation>
    </message>
    <message id="plus.bille_mobile">
        <source>marble, can jump</source>
        <translation>ビー玉、ジャンプできる</translation>
    </message>
    <message id="plus.bille_prise">
        <source>marble, held</source>
        <translation>ビー玉、持ち上げ中</translation>
    </message>
    <message id="plus.vide">
        <source>empty</source>
        <translation>空き</translation>
    </message>
    <message id="plus.vide_arrivee">
        <source>empty, can land here</source>
        <translation>空き、着地できる</translation>
    </message>
    <message id="plus.billes_restantes">
        <source>Marbles left: %1</source>
        <translation>残りのビー玉: %1</translation>
    </message>
    <message id="plus.temps">
        <source>Time: %1</source>
        <translation>時間: %1</translation>
    </message>
    <message id="plus.annonce_saut">
        <source>Jump from column %1, row %2 to column %3, row %4. %5</source>
        <extracomment>Screen reader: %1 %2 start column and row, %3 %4 landing column and row, %5 the marbles left.</extracomment>
        <translation>%1 列 %2 行から %3 列 %4 行へジャンプ。%5</translation>
    </message>
    <message id="plus.annonce_annule">
        <source>Jump undone. %1</source>
        <translation>一手戻しました。%1</translation>
    </message>
    <message id="plus.reste_une">
        <source>1 marble left.</source>
        <translation>残りのビー玉は 1 個です。</translation>
    </message>
    <message id="plus.reste_n" numerus="yes">
        <source>%1 marbles left.</source>
        <translation><numerusform>残りのビー玉は %1 個です。</numerusform></translation>
    </message>
    <message id="plus.annonce_gagne">
        <source>You won! One marble left.</source>
        <translation>クリア！残りのビー玉は 1 個です。</translation>
    </message>
    <message id="plus.annonce_perdu" numerus="yes">
        <source>Game over. %1 marbles left.</source>
        <translation><numerusform>ゲームオーバー。残りのビー玉は %1 個です。</numerusform></translation>
    </message>
    <message id="plus.partie_endommagee">
        <source>The saved game is damaged.</source>
        <translation>保存されたゲームが壊れています。</translation>
    </message>
    <message id="plus.haut">
        <source>Jump up</source>
        <translation>上へジャンプ</translation>
    </message>
    <message id="plus.droite">
        <source>Jump right</source>
        <translation>右へジャンプ</translation>
    </message>
    <message id="plus.bas">
        <source>Jump down</source>
        <translation>下へジャンプ</translation>
    </message>
    <message id="plus.gauche">
        <source>Jump left</source>
        <translation>左へジャンプ</translation>
    </message>
    <message id="plus.finir_une">
        <source>%1: you can still finish with 1 marble.</source>
        <translation>%1: まだビー玉 1 個で終われます。</translation>
    </message>
    <message id="plus.meilleur_n" numerus="yes">
        <source>%1: the best you can still reach is %2 marbles.</source>
        <extracomment>Hint: %1 the direction of the jump, %2 the number of marbles.</extracomment>
        <translation><numerusform>%1: これから残せる最少はビー玉 %2 個です。</numerusform></translation>
    </message>
    <message id="plus.non_prouve" numerus="yes">
        <source>%1: best found so far, %2 marbles (not proven).</source>
        <extracomment>Hint: %1 the direction of the jump, %2 the number of marbles.</extracomment>
        <translation><numerusform>%1: 今のところ最良はビー玉 %2 個です（未証明）。</numerusform></translation>
    </message>
    <message id="plus.cible_atteignable">
        <source>%1: you can still finish on the target.</source>
        <translation>%1: まだ目標の穴で終われます。</translation>
    </message>
    <message id="plus.cible_perdue" numerus="yes">
        <source>%1: the target is out of reach; the best you can reach is %2 marbles.</source>
        <extracomment>Hint: %1 the direction of the jump, %2 the number of marbles.</extracomment>
        <translation><numerusform>%1: 目標の穴にはもう届きません。最良はビー玉 %2 個です。</numerusform></translation>
    </message>
    <message id="plus.prise_faite">
        <source>marble picked up</source>
        <extracomment>Screen reader, after &quot;Column %1, row %2: &quot;: the marble there is picked up.</extracomment>
        <translation>ビー玉を持ち上げました</translation>
    </message>
    <message id="plus.prise_reposee">
        <source>marble put back</source>
        <extracomment>Screen reader, after &quot;Column %1, row %2: &quot;: the held marble is put back.</extracomment>
        <translation>ビー玉を戻しました</translation>
    </message>
    <message id="plus.pas_de_saut">
        <source>cannot jump from here</source>
        <extracomment>Screen reader, after &quot;Column %1, row %2: &quot;: the marble there has no jump.</extracomment>
        <translation>ここからはジャンプできません</translation>
    </message>
    <message id="plus.pas_d_arrivee">
        <source>cannot land here.</source>
        <extracomment>Screen reader, after &quot;Column %1, row %2: &quot;: the held marble cannot land on that hole.</extracomment>
        <translation>ここには着地できません。</translation>
    </message>
    <message id="plus.partie_commencee">
        <source>New game. %1</source>
        <extracomment>Screen reader: %1 the marbles left (&quot;32 marbles left.&quot;).</extracomment>
        <translation>新しいゲーム。%1</translation>
    </message>
    <message id="plus.partie_chargee">
        <source>Game loaded. %1</source>
        <extracomment>Screen reader: %1 the marbles left (&quot;31 marbles left.&quot;).</extracomment>
        <translation>ゲームを読み込みました。%1</translation>
    </message>
    <message id="plus.partie_arretee">
        <source>Game stopped.</source>
        <translation>ゲームを中止しました。</translation>
    </message>
    <message id="plus.saut_conseille">
        <source>Jump from column %1, row %2 to column %3, row %4</source>
        <extracomment>Spoken hint: %1 %2 start column and row, %3 %4 landing column and row; the hint's sentence follows.</extracomment>
        <translation>%1 列 %2 行から %3 列 %4 行へジャンプ</translation>
    </message>
    <message id="plus.cible_trou">
        <source>The target is column %1, row %2.</source>
        <extracomment>Spoken hint in a problem: %1 %2 the target's column and row.</extracomment>
        <translation>目標の穴は %1 列 %2 行です。</translation>
    </message>
    <message id="problemes.titre">
        <source>Problems</source>
        <translation>問題</translation>
    </message>
    <message id="problemes.plateaux[0]">
        <source>English board (33 holes)</source>
        <translation>英国式の盤（33 穴）</translation>
    </message>
    <message id="problemes.plateaux[1]">
        <source>French board (37 holes)</source>
        <translation>フランス式の盤（37 穴）</translation>
    </message>
    <message id="problemes.plateaux[2]">
        <source>Mission Impossible (45 holes)</source>
        <translation>Mission Impossible（45 穴）</translation>
    </message>
    <message id="problemes.billes" numerus="yes">
        <source>%1 marbles</source>
        <translation><numerusform>ビー玉 %1 個</numerusform></translation>
    </message>
    <message id="problemes.finir_en">
        <source>finish on %1</source>
        <translation>%1 で終える</translation>
    </message>
    <message id="problemes.finir_partout">
        <source>finish with one marble</source>
        <translation>ビー玉 1 個で終える</translation>
    </message>
    <message id="problemes.separateur">
        <source>, </source>
        <extracomment>Between the marbles and the finish of a problem: &quot;6 marbles, finish on e5&quot;.</extracomment>
        <translation>、</translation>
    </message>
    <message id="problemes.serie" numerus="yes">
        <source>%1 problems, %2 solved</source>
        <extracomment>%1 the number of problems (the plural follows it), %2 how many are solved.</extracomment>
        <translation><numerusform>%1 問、%2 問クリア</numerusform></translation>
    </message>
    <message id="problemes.resolu">
        <source>Solved, best time %1</source>
        <translation>クリア済み、最速 %1</translation>
    </message>
    <message id="problemes.pas_resolu">
        <source>Not solved yet</source>
        <translation>未クリア</translation>
    </message>
    <message id="problemes.choisir_depart">
        <source>Choose the hole that starts empty</source>
        <translation>最初に空ける穴を選んでください</translation>
    </message>
    <message id="problemes.choisir_cible">
        <source>Choose the hole of the last marble</source>
        <translation>最後のビー玉の穴を選んでください</translation>
    </message>
    <message id="problemes.symetriques">
        <source>The same problem turned or mirrored: %1</source>
        <translation>回転・反転した同じ問題: %1</translation>
    </message>
    <message id="problemes.autre_depart">
        <source>Escape: another starting hole</source>
        <translation>Esc: 別の開始の穴</translation>
    </message>
    <message id="problemes.trou">
        <source>Hole %1</source>
        <translation>穴 %1</translation>
    </message>
    <message id="problemes.trou_bille">
        <source>marble</source>
        <translation>ビー玉</translation>
    </message>
    <message id="problemes.trou_vide">
        <source>empty</source>
        <translation>空き</translation>
    </message>
    <message id="problemes.trou_depart">
        <source>possible start</source>
        <translation>開始できる穴</translation>
    </message>
    <message id="problemes.trou_cible">
        <source>possible finish</source>
        <translation>終われる穴</translation>
    </message>
    <message id="problemes.trou_resolu">
        <source>solved</source>
        <translation>クリア済み</translation>
    </message>
    <message id="problemes.nom_liste">
        <source>List of problems</source>
        <translation>問題の一覧</translation>
    </message>
    <message id="problemes.nom_plateau">
        <source>Board of the problem</source>
        <translation>問題の盤</translation>
    </message>
    <message id="problemes.jouer">
        <source>Play</source>
        <translation>プレイ</translation>
    </message>
    <message id="problemes.annuler">
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message id="problemes.stats_titre">
        <source>Statistics</source>
        <translation>統計</translation>
    </message>
    <message id="problemes.onglets[0]">
        <source>English</source>
        <translation>英国式</translation>
    </message>
    <message id="problemes.onglets[1]">
        <source>French</source>
        <translation>フランス式</translation>
    </message>
    <message id="problemes.onglets[2]">
        <source>Mission Impossible</source>
        <translation>Mission Impossible</translation>
    </message>
    <message id="problemes.onglets[3]">
        <source>Problems</source>
        <translation>問題</translation>
    </message>
    <message id="problemes.commencees">
        <source>Games started</source>
        <translation>始めたゲーム</translation>
    </message>
    <message id="problemes.terminees">
        <source>Games finished</source>
        <translation>終えたゲーム</translation>
    </message>
    <message id="problemes.gagnees">
        <source>Games won</source>
        <translation>勝ったゲーム</translation>
    </message>
    <message id="problemes.moins_de_billes">
        <source>Fewest marbles left</source>
        <translation>最少の残りビー玉</translation>
    </message>
    <message id="problemes.meilleur_temps">
        <source>Best time</source>
        <translation>最速タイム</translation>
    </message>
    <message id="problemes.moyenne">
        <source>Mean result</source>
        <translation>平均の結果</translation>
    </message>
    <message id="problemes.serie_en_cours">
        <source>Current winning streak</source>
        <translation>現在の連勝</translation>
    </message>
    <message id="problemes.meilleure_serie">
        <source>Best winning streak</source>
        <translation>最高の連勝</translation>
    </message>
    <message id="problemes.indices">
        <source>Hints used</source>
        <translation>使ったヒント</translation>
    </message>
    <message id="problemes.resolus">
        <source>Problems solved</source>
        <translation>クリアした問題</translation>
    </message>
    <message id="problemes.sur">
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message id="problemes.aucun">
        <source>–</source>
        <translation>–</translation>
    </message>
    <message id="problemes.graphique">
        <source>Marbles left at the end of a game</source>
        <translation>ゲーム終了時の残りビー玉</translation>
    </message>
    <message id="problemes.graphique_vide">
        <source>No finished game yet</source>
        <translation>終えたゲームはまだありません</translation>
    </message>
    <message id="problemes.graphique_barre" numerus="yes">
        <source>%1 marbles left: %2 games</source>
        <extracomment>Screen reader, one bar of the chart: %1 marbles left, %2 games (the plural follows %2).</extracomment>
        <translation><numerusform>残り %1 個: %2 ゲーム</numerusform></translation>
    </message>
    <message id="problemes.nom_onglets">
        <source>Boards</source>
        <translation>盤</translation>
    </message>
    <message id="problemes.decimale">
        <source>.</source>
        <extracomment>Decimal separator of the mean result: one character.</extracomment>
        <translation>.</translation>
    </message>
    <message id="problemes.par_probleme[0]">
        <source>Problem</source>
        <extracomment>Heading of the statistics' per-problem table: the problem's name.</extracomment>
        <translation>問題</translation>
    </message>
    <message id="problemes.par_probleme[1]">
        <source>Started</source>
        <extracomment>Heading of the per-problem table: games started.</extracomment>
        <translation>開始</translation>
    </message>
    <message id="problemes.par_probleme[2]">
        <source>Won</source>
        <extracomment>Heading of the per-problem table: games won.</extracomment>
        <translation>勝利</translation>
    </message>
    <message id="problemes.par_probleme[3]">
        <source>Best time</source>
        <extracomment>Heading of the per-problem table: best time.</extracomment>
        <translation>最速タイム</translation>
    </message>
    <message id="problemes.par_probleme[4]">
        <source>Hints</source>
        <extracomment>Heading of the per-problem table: hints used.</extracomment>
        <translation>ヒント</translation>
    </message>
    <message id="problemes.ligne_probleme">
        <source>%1: started %2, won %3, best time %4, hints %5</source>
        <extracomment>Screen reader, a row of the per-problem table: %1 the problem, %2 started, %3 won, %4 best time, %5 hints.</extracomment>
        <translation>%1: 開始 %2、勝利 %3、最速タイム %4、ヒント %5</translation>
    </message>
    <message id="problemes.nom_par_probleme">
        <source>Per problem</source>
        <extracomment>Screen reader: name of the statistics' per-problem table.</extracomment>
        <translation>問題ごと</translation>
    </message>
    <message id="problemes.nom_scores">
        <source>The ten best scores</source>
        <extracomment>Screen reader: name of the score table.</extracomment>
        <translation>上位 10 件の記録</translation>
    </message>
    <message id="problemes.ligne_score">
        <source>%1. %2: %3, %4: %5, %6: %7</source>
        <extracomment>Screen reader, a row of the score table: %1 rank, %2 %4 %6 the headings, %3 %5 %7 their values.</extracomment>
        <translation>%1. %2: %3、%4: %5、%6: %7</translation>
    </message>
    <message id="fichiers.lecture">
        <source>The file %1 cannot be read (%2): your scores and choices will not be kept.</source>
        <extracomment>Files: %1 the settings file's path, %2 why it cannot be read (one of the reasons below).</extracomment>
        <translation>ファイル %1 を読み込めません（%2）。記録と設定は保存されません。</translation>
    </message>
    <message id="fichiers.ecriture">
        <source>The file %1 cannot be written (%2): your scores and choices will not be kept.</source>
        <extracomment>Files: %1 the settings file's path, %2 why it cannot be written.</extracomment>
        <translation>ファイル %1 に書き込めません（%2）。記録と設定は保存されません。</translation>
    </message>
    <message id="fichiers.permission">
        <source>permission denied</source>
        <translation>アクセスが拒否されました</translation>
    </message>
    <message id="fichiers.lecture_seule">
        <source>read-only file system</source>
        <translation>読み取り専用のファイルシステム</translation>
    </message>
    <message id="fichiers.disque_plein">
        <source>disk full</source>
        <translation>ディスクがいっぱいです</translation>
    </message>
    <message id="fichiers.dossier_introuvable">
        <source>folder not found</source>
        <translation>フォルダーが見つかりません</translation>
    </message>
    <message id="fichiers.dossier_du_nom">
        <source>a folder has that name</source>
        <translation>同じ名前のフォルダーがあります</translation>
    </message>
    <message id="fichiers.nom_incorrect">
        <source>invalid file name</source>
        <translation>ファイル名が正しくありません</translation>
    </message>
    <message id="fichiers.entree_sortie">
        <source>disk input/output error</source>
        <translation>ディスクの入出力エラー</translation>
    </message>
    <message id="fichiers.systeme">
        <source>system error %1</source>
        <extracomment>Files, a reason: %1 the system's error number.</extracomment>
        <translation>システムエラー %1</translation>
    </message>
    <message id="fichiers.stats_recent">
        <source>The statistics file “%1” comes from a newer version of Trelmo: it is left as it is and the statistics of this session will not be kept.</source>
        <extracomment>Files: %1 the statistics file's name.</extracomment>
        <translation>統計ファイル「%1」は新しいバージョンの Trelmo のものです。そのまま残し、このセッションの統計は保存されません。</translation>
    </message>
    <message id="fichiers.stats_pas_de_cote">
        <source>The statistics file “%1” is unreadable or damaged and could not be set aside: it is left as it is and the statistics of this session will not be kept.</source>
        <extracomment>Files: %1 the statistics file's name.</extracomment>
        <translation>統計ファイル「%1」は読めないか壊れていて、退避できませんでした。そのまま残し、このセッションの統計は保存されません。</translation>
    </message>
    <message id="fichiers.stats_ecriture">
        <source>The statistics file “%1” cannot be written (%2): the statistics of this session will not be kept.</source>
        <extracomment>Files: %1 the statistics file's path, %2 why it cannot be written.</extracomment>
        <translation>統計ファイル「%1」に書き込めません（%2）。このセッションの統計は保存されません。</translation>
    </message>
    <message id="fichiers.stats_mis_de_cote">
        <source>The statistics file was unreadable or damaged: it has been set aside as “%1” and the statistics start afresh.</source>
        <extracomment>Files: %1 the name the damaged file is kept under.</extracomment>
        <translation>統計ファイルが読めないか壊れていました。「%1」という名前で退避し、統計は最初からやり直します。</translation>
    </message>
    <message id="probleme.croix">
        <source>The Cross</source>
        <translation>十字</translation>
    </message>
    <message id="probleme.plus">
        <source>The Plus</source>
        <translation>プラス</translation>
    </message>
    <message id="probleme.double-croix">
        <source>The Double Cross</source>
        <translation>二重十字</translation>
    </message>
    <message id="probleme.cheminee">
        <source>The Fireplace</source>
        <translation>暖炉</translation>
    </message>
    <message id="probleme.calice">
        <source>The Goblet</source>
        <translation>杯</translation>
    </message>
    <message id="probleme.sapin">
        <source>The Fir Tree</source>
        <translation>もみの木</translation>
    </message>
    <message id="probleme.lampe">
        <source>The Lamp</source>
        <translation>ランプ</translation>
    </message>
    <message id="probleme.pyramide">
        <source>The Pyramid</source>
        <translation>ピラミッド</translation>
    </message>
    <message id="probleme.fleche">
        <source>The Up Arrow</source>
        <translation>矢印</translation>
    </message>
    <message id="probleme.losange">
        <source>The Diamond</source>
        <translation>ひし形</translation>
    </message>
    <message id="groupe.anglais-trou">
        <source>One empty hole</source>
        <translation>空き穴ひとつ</translation>
    </message>
    <message id="probleme.francais-couronne">
        <source>The Crown</source>
        <translation>王冠</translation>
    </message>
    <message id="probleme.francais-bague">
        <source>The Ring</source>
        <translation>指輪</translation>
    </message>
    <message id="groupe.francais-trou">
        <source>One empty hole</source>
        <translation>空き穴ひとつ</translation>
    </message>
    <message id="probleme.mission-grande-croix">
        <source>The Great Cross</source>
        <translation>大きな十字</translation>
    </message>
    <message id="probleme.mission-fusee">
        <source>The Rocket</source>
        <translation>ロケット</translation>
    </message>
    <message id="probleme.mission-totem">
        <source>The Totem Pole</source>
        <translation>トーテムポール</translation>
    </message>
    <message id="groupe.mission-depart">
        <source>Standard start</source>
        <translation>標準の開始</translation>
    </message>
    <message id="serie.anglais-trou">
        <source>{depart} empty, finish on {cible}</source>
        <extracomment>Name of one problem of the series: {depart} the hole that starts empty, {cible} the finishing hole (&quot;e5&quot;). Keep the braces.</extracomment>
        <translation>{depart} を空けて {cible} で終える</translation>
    </message>
    <message id="serie.francais-trou">
        <source>{depart} empty, finish on {cible}</source>
        <extracomment>Name of one problem of the series: {depart} the hole that starts empty, {cible} the finishing hole (&quot;e5&quot;). Keep the braces.</extracomment>
        <translation>{depart} を空けて {cible} で終える</translation>
    </message>
    <message id="serie.mission-depart">
        <source>Standard start, finish on {cible}</source>
        <extracomment>Name of one problem of the series: {cible} the finishing hole (&quot;e5&quot;). Keep the braces.</extracomment>
        <translation>標準の開始、{cible} で終える</translation>
    </message>
    <message id="plus.reprendre">
        <source>Resume last game</source>
        <extracomment>Context menu command (Ctrl+R): takes up the game kept when the program last ended.</extracomment>
        <translation>前回のゲームを再開</translation>
    </message>
    <message id="plus.reprise_gardee">
        <source>The last game was kept: Ctrl+R (or “Resume last game” in the right-click menu) takes it up again.</source>
        <extracomment>Balloon at the start when the game in progress at the last exit was kept.</extracomment>
        <translation>前回のゲームは保存されています。Ctrl+R（または右クリックメニューの「前回のゲームを再開」）で再開できます。</translation>
    </message>
    <message id="plus.reprise_faite">
        <source>Last game taken up again. %1</source>
        <extracomment>Spoken when the kept game is back on the board: %1 the marbles left (&quot;24 marbles left.&quot;).</extracomment>
        <translation>前回のゲームを再開しました。%1</translation>
    </message>
    <message id="plus.reprise_endommagee">
        <source>The file of the last game was unreadable or damaged: it has been set aside and that game cannot be taken up again.</source>
        <extracomment>Message when the file of the kept game cannot be read.</extracomment>
        <translation>前回のゲームのファイルは読み込めないか壊れています。別名で保管しました。このゲームは再開できません。</translation>
    </message>
    <message id="plus.abandon_annule">
        <source>Game back on the board. %1</source>
        <extracomment>Spoken when Ctrl+Z brings back a game that was stopped or replaced: %1 the marbles left.</extracomment>
        <translation>ゲームを盤に戻しました。%1</translation>
    </message>
    <message id="plus.copier">
        <source>Copy position</source>
        <extracomment>Context menu command (Ctrl+C): the position on the board to the clipboard as text.</extracomment>
        <translation>局面をコピー</translation>
    </message>
    <message id="plus.coller">
        <source>Paste problem</source>
        <extracomment>Context menu command (Ctrl+V): opens a position held by the clipboard as a problem.</extracomment>
        <translation>問題を貼り付け</translation>
    </message>
    <message id="plus.copie_faite">
        <source>Position copied to the clipboard as text.</source>
        <extracomment>Balloon and speech after Copy.</extracomment>
        <translation>局面をテキストとしてクリップボードにコピーしました。</translation>
    </message>
    <message id="plus.texte_refuse">
        <source>This text is not a position of the game: a picture of the English, French or 45-hole board is wanted, one line a row, “o” for a marble and “.” for an empty hole.</source>
        <extracomment>Message when pasted or imported text holds no position.</extracomment>
        <translation>このテキストはゲームの局面ではありません。イギリス式、フランス式、45穴の盤の図が必要です（1行に1列、「o」がビー玉、「.」が空き穴）。</translation>
    </message>
    <message id="plus.exporter">
        <source>Export…</source>
        <extracomment>Command: writes the position or problem to a text file.</extracomment>
        <translation>書き出し…</translation>
    </message>
    <message id="plus.importer">
        <source>Import…</source>
        <extracomment>Command: reads a problem from a text file.</extracomment>
        <translation>読み込み…</translation>
    </message>
    <message id="plus.fichier_ecriture">
        <source>“%1” cannot be written.</source>
        <extracomment>Message when an exported file cannot be written: %1 its path.</extracomment>
        <translation>「%1」を書き込めません。</translation>
    </message>
    <message id="plus.filtre">
        <source>Board pictures (*.txt)</source>
        <extracomment>File dialog filter of the problem files; keep (*.txt).</extracomment>
        <translation>盤の図 (*.txt)</translation>
    </message>
    <message id="plus.nouveau_probleme">
        <source>New problem…</source>
        <extracomment>Context menu command (E): opens the problem editor.</extracomment>
        <translation>新しい問題…</translation>
    </message>
    <message id="plus.editeur_titre">
        <source>Problem editor</source>
        <extracomment>Title of the problem editor.</extracomment>
        <translation>問題エディター</translation>
    </message>
    <message id="plus.editeur_aide">
        <source>Click: put or take a marble. Right-click: ring the target. Keyboard: arrows, Space, T.</source>
        <extracomment>Line under the editor's board.</extracomment>
        <translation>クリック：ビー玉を置く・取る。右クリック：目標の穴に印。キーボード：矢印、スペース、T。</translation>
    </message>
    <message id="plus.editeur_plateau">
        <source>Board:</source>
        <extracomment>Label of the board chooser in the editor.</extracomment>
        <translation>盤：</translation>
    </message>
    <message id="plus.editeur_nom">
        <source>Name:</source>
        <extracomment>Label of the name field in the editor.</extracomment>
        <translation>名前：</translation>
    </message>
    <message id="plus.editeur_garder">
        <source>Keep</source>
        <extracomment>Editor button: keeps the problem in My problems.</extracomment>
        <translation>保存</translation>
    </message>
    <message id="plus.editeur_jouer">
        <source>Play</source>
        <extracomment>Editor button: plays the position as a problem.</extracomment>
        <translation>プレイ</translation>
    </message>
    <message id="plus.editeur_fermer">
        <source>Close</source>
        <extracomment>Editor button.</extracomment>
        <translation>閉じる</translation>
    </message>
    <message id="plus.editeur_vider">
        <source>Empty</source>
        <extracomment>Editor button: every hole empty.</extracomment>
        <translation>空にする</translation>
    </message>
    <message id="plus.editeur_remplir">
        <source>Fill</source>
        <extracomment>Editor button: a marble in every hole.</extracomment>
        <translation>全部置く</translation>
    </message>
    <message id="plus.editeur_nom_defaut">
        <source>My problem %1</source>
        <extracomment>Name given to a new problem: %1 its number.</extracomment>
        <translation>自作問題 %1</translation>
    </message>
    <message id="plus.editeur_garde">
        <source>“%1” is kept in My problems.</source>
        <extracomment>Spoken and shown when a problem is kept: %1 its name.</extracomment>
        <translation>「%1」を自作問題に保存しました。</translation>
    </message>
    <message id="plus.editeur_cible">
        <source>%1, target</source>
        <extracomment>Screen reader, editor: the state of the target hole, %1 &quot;marble&quot; or &quot;empty&quot;.</extracomment>
        <translation>%1、目標</translation>
    </message>
    <message id="plus.verdict_attente">
        <source>Thinking…</source>
        <extracomment>Editor: the solver is still thinking about the position.</extracomment>
        <translation>考え中…</translation>
    </message>
    <message id="plus.verdict_un">
        <source>Can finish with 1 marble on %1 (proven)</source>
        <extracomment>Editor verdict: %1 the hole (&quot;e5&quot;).</extracomment>
        <translation>%1 にビー玉 1 個で終われます（証明済み）</translation>
    </message>
    <message id="plus.verdict_meilleur" numerus="yes">
        <source>Best: %1 marbles (proven)</source>
        <extracomment>Editor verdict: %1 the fewest marbles that can be left.</extracomment>
        <translation><numerusform>最善：ビー玉 %1 個（証明済み）</numerusform></translation>
    </message>
    <message id="plus.verdict_non_prouve" numerus="yes">
        <source>Best found so far: %1 marbles (not proven)</source>
        <extracomment>Editor verdict: %1 the fewest marbles a line found leaves.</extracomment>
        <translation><numerusform>これまでの最善：ビー玉 %1 個（未証明）</numerusform></translation>
    </message>
    <message id="plus.verdict_cible_perdue" numerus="yes">
        <source>Target out of reach; best: %1 marbles (proven)</source>
        <extracomment>Editor verdict with a target that cannot be reached: %1 the fewest marbles.</extracomment>
        <translation><numerusform>目標には届きません。最善：ビー玉 %1 個（証明済み）</numerusform></translation>
    </message>
    <message id="plus.verdict_aucun">
        <source>No jump possible</source>
        <extracomment>Editor verdict: no marble can jump.</extracomment>
        <translation>跳べるビー玉がありません</translation>
    </message>
    <message id="plus.mes_problemes">
        <source>My problems</source>
        <extracomment>Title of the list of the problems the player made.</extracomment>
        <translation>自作問題</translation>
    </message>
    <message id="plus.renommer">
        <source>Rename…</source>
        <extracomment>My problems: button.</extracomment>
        <translation>名前を変更…</translation>
    </message>
    <message id="plus.supprimer">
        <source>Delete</source>
        <extracomment>My problems: button.</extracomment>
        <translation>削除</translation>
    </message>
    <message id="plus.supprimer_question">
        <source>Delete “%1”?</source>
        <extracomment>My problems: confirmation, %1 the problem's name.</extracomment>
        <translation>「%1」を削除しますか？</translation>
    </message>
    <message id="plus.mes_problemes_endommages">
        <source>The file of your problems was unreadable or damaged: it has been set aside as “%1” and the list starts empty.</source>
        <extracomment>Message when the file of the player's problems is damaged: %1 the name it is kept under.</extracomment>
        <translation>自作問題のファイルは読み込めないか壊れています。「%1」として保管し、一覧は空から始めます。</translation>
    </message>
    <message id="plus.mes_problemes_ecriture">
        <source>Your problems cannot be written to “%1”.</source>
        <extracomment>Message when the file of the player's problems cannot be written: %1 its path.</extracomment>
        <translation>自作問題を「%1」に書き込めません。</translation>
    </message>
    <message id="plus.mes_problemes_aucun">
        <source>No problem of your own yet: press E on the board to make one.</source>
        <extracomment>My problems: the list is empty.</extracomment>
        <translation>自作問題はまだありません。盤で E を押すと作成できます。</translation>
    </message>
    <message id="plus.regarder">
        <source>Watch the solution</source>
        <extracomment>Context menu command (W): the solver's line played jump by jump.</extracomment>
        <translation>解き方を見る</translation>
    </message>
    <message id="plus.regarder_debut">
        <source>Watching the solution: Space pauses, the arrows step back and forth, Escape stops.</source>
        <extracomment>Balloon and speech when watching starts on a proven line.</extracomment>
        <translation>解き方を再生中：スペースで一時停止、矢印で前後に移動、Esc で終了。</translation>
    </message>
    <message id="plus.regarder_non_prouve">
        <source>Best line found (not proven): Space pauses, the arrows step back and forth, Escape stops.</source>
        <extracomment>Balloon and speech when watching starts on a line that is not proven the best.</extracomment>
        <translation>見つかった最善の手順（未証明）：スペースで一時停止、矢印で前後に移動、Esc で終了。</translation>
    </message>
    <message id="plus.regarder_saut">
        <source>Jump %1 of %2: column %3, row %4 to column %5, row %6.</source>
        <extracomment>Spoken for each watched jump: %1 its number, %2 the jumps of the line, %3 %4 from column and row, %5 %6 to column and row.</extracomment>
        <translation>%2 手中 %1 手目：%3 列 %4 行から %5 列 %6 行へ。</translation>
    </message>
    <message id="plus.regarder_pause">
        <source>Paused</source>
        <extracomment>Spoken when watching is paused or goes on.</extracomment>
        <translation>一時停止</translation>
    </message>
    <message id="plus.regarder_fin">
        <source>Watching ended. %1</source>
        <extracomment>Spoken when watching ends: %1 the marbles left.</extracomment>
        <translation>再生を終了しました。%1</translation>
    </message>
    <message id="plus.animation">
        <source>Animate jumps</source>
        <extracomment>Context menu setting: the player's jumps are shown sliding.</extracomment>
        <translation>ジャンプをアニメーション</translation>
    </message>
</context>
</TS>
