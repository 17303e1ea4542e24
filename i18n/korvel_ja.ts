<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Korvel Serial Assistant</source>
        <translation>Korvel シリアルアシスタント</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>A serial terminal for Korvel&apos;s USB sensors and other devices that talk JSON or text over a serial line.</source>
        <translation>Korvel の USB センサーをはじめ、シリアル回線で JSON やテキストをやり取りするデバイス向けのシリアルターミナルです。</translation>
    </message>
    <message>
        <source>Build time</source>
        <translation>ビルド日時</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>会社</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Web サイト</translation>
    </message>
    <message>
        <source>Built with Qt %1, used under the GNU Lesser General Public License v3 (LGPLv3). Qt is a trademark of The Qt Company Ltd. Qt is linked dynamically: its libraries may be replaced with a compatible LGPLv3 build.</source>
        <translation>Qt %1 で構築されており、GNU 劣等一般公衆利用許諾書 第 3 版（LGPLv3）のもとで使用しています。Qt は The Qt Company Ltd. の商標です。Qt は動的にリンクされているため、そのライブラリは互換性のある LGPLv3 ビルドに置き換えることができます。</translation>
    </message>
</context>
<context>
    <name>AppController</name>
    <message>
        <source>%1 bytes that had not gone out yet were discarded.</source>
        <translation>未送信の %1 バイトを破棄しました。</translation>
    </message>
    <message>
        <source>Settings cannot be saved to %1; changes last only until the application ends.</source>
        <translation>設定を %1 に保存できません。変更はアプリケーションを終了するまでしか保持されません。</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Port is not open — click &quot;Open port&quot; first.</source>
        <translation>ポートが開いていません。先に「ポートを開く」をクリックしてください。</translation>
    </message>
    <message>
        <source>Batch &quot;%1&quot; started — %2 step(s).</source>
        <translation>バッチ「%1」を開始しました — %2 ステップ。</translation>
    </message>
    <message>
        <source>Batch &quot;%1&quot; stopped.</source>
        <translation>バッチ「%1」を停止しました。</translation>
    </message>
    <message>
        <source>Batch &quot;%1&quot; finished.</source>
        <translation>バッチ「%1」が完了しました。</translation>
    </message>
    <message>
        <source>Enter a file name.</source>
        <translation>ファイル名を入力してください。</translation>
    </message>
    <message>
        <source>A file name cannot contain &quot;/&quot;, &quot;\&quot; or control characters.</source>
        <translation>ファイル名に「/」、「\」、制御文字は使用できません。</translation>
    </message>
    <message>
        <source>Choose a folder for the log.</source>
        <translation>ログの保存先フォルダーを選択してください。</translation>
    </message>
    <message>
        <source>The log could not be written to %1.</source>
        <translation>ログを %1 に書き込めませんでした。</translation>
    </message>
    <message>
        <source>Log saved to %1</source>
        <translation>ログを %1 に保存しました</translation>
    </message>
    <message>
        <source>The continuous log %1 cannot be written: %2</source>
        <translation>連続ログ %1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>Type the path of a serial device first.</source>
        <translation>先にシリアルデバイスのパスを入力してください。</translation>
    </message>
    <message>
        <source>%1 reconnected · %2</source>
        <translation>%1 に再接続しました · %2</translation>
    </message>
    <message>
        <source>Not sent: &quot;%1&quot; at position %2 is not a hex digit.</source>
        <translation>送信しませんでした: 位置 %2 の「%1」は 16 進数字ではありません。</translation>
    </message>
    <message>
        <source>Not sent: the draft holds no hex digits.</source>
        <translation>送信しませんでした: 入力に 16 進数字が含まれていません。</translation>
    </message>
    <message>
        <source>Sent; not kept in the history, as it is longer than 4 KiB.</source>
        <translation>送信しました。4 KiB を超えるため、履歴には残しません。</translation>
    </message>
    <message>
        <source>Not sent: the device is not reading — %1 bytes are still waiting to go out.</source>
        <translation>送信しませんでした: デバイスが受信していません。%1 バイトがまだ送信待ちです。</translation>
    </message>
    <message>
        <source>Not sent: %1 bytes are more than the port may hold at once (%2).</source>
        <translation>送信しませんでした: %1 バイトは、ポートが一度に保持できる量（%2）を超えています。</translation>
    </message>
    <message>
        <source>%1 WAITING</source>
        <translation>%1 待機中</translation>
    </message>
    <message>
        <source>%1 OPEN</source>
        <translation>%1 オープン</translation>
    </message>
    <message>
        <source>%1 CLOSED</source>
        <translation>%1 クローズ</translation>
    </message>
    <message>
        <source>waiting for the device to come back</source>
        <translation>デバイスの再接続を待っています</translation>
    </message>
    <message>
        <source>Select a serial port first.</source>
        <translation>先にシリアルポートを選択してください。</translation>
    </message>
    <message>
        <source>%1 opened · %2</source>
        <translation>%1 を開きました · %2</translation>
    </message>
    <message>
        <source>Port closed</source>
        <translation>ポートを閉じました</translation>
    </message>
    <message>
        <source>The download folder %1 is a link; remove it and try again.</source>
        <translation>ダウンロード用フォルダー %1 はリンクです。削除してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The download folder %1 belongs to another user; remove it and try again.</source>
        <translation>ダウンロード用フォルダー %1 は別のユーザーが所有しています。削除してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>No update server configured (.env) -- using the bundled command library only.</source>
        <translation>更新サーバーが設定されていません（.env）。付属のコマンドライブラリのみを使用します。</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>更新を確認しています…</translation>
    </message>
    <message>
        <source>Command library is up to date (%1).</source>
        <translation>コマンドライブラリは最新です（%1）。</translation>
    </message>
    <message>
        <source>Version %1 is available, but requires app version %2 or later -- please update the app first.</source>
        <translation>バージョン %1 が利用可能ですが、アプリのバージョン %2 以降が必要です。先にアプリを更新してください。</translation>
    </message>
    <message>
        <source>Version %1 is available.</source>
        <translation>バージョン %1 が利用可能です。</translation>
    </message>
    <message>
        <source>Downloading…</source>
        <translation>ダウンロードしています…</translation>
    </message>
    <message>
        <source>Downloaded data could not be applied: %1</source>
        <translation>ダウンロードしたデータを適用できませんでした: %1</translation>
    </message>
    <message>
        <source>Updated to %1.</source>
        <translation>%1 に更新しました。</translation>
    </message>
    <message>
        <source>No update server configured (.env).</source>
        <translation>更新サーバーが設定されていません（.env）。</translation>
    </message>
    <message>
        <source>You&apos;re on the latest version (%1).</source>
        <translation>最新バージョンを使用しています（%1）。</translation>
    </message>
    <message>
        <source>Version %1 is available, but requires updating from version %2 or later first -- please reinstall the app before trying again.</source>
        <translation>バージョン %1 が利用可能ですが、バージョン %2 以降からしか更新できません。アプリを再インストールしてから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>No temporary-files folder is available for the download.</source>
        <translation>ダウンロードに使える一時ファイル用フォルダーがありません。</translation>
    </message>
    <message>
        <source>Downloading update…</source>
        <translation>更新をダウンロードしています…</translation>
    </message>
    <message>
        <source>Download cancelled.</source>
        <translation>ダウンロードをキャンセルしました。</translation>
    </message>
    <message>
        <source>Installing update %1…</source>
        <translation>更新 %1 をインストールしています…</translation>
    </message>
    <message>
        <source>Self-update isn&apos;t supported on this platform yet -- please download the new version manually.</source>
        <translation>このプラットフォームでは自動更新にまだ対応していません。新しいバージョンを手動でダウンロードしてください。</translation>
    </message>
    <message>
        <source>Not put into the send box: %L1 characters are more than a command may be (%L2).</source>
        <translation>送信ボックスに入れませんでした: %L1 文字はコマンドの上限（%L2）を超えています。</translation>
    </message>
    <message>
        <source>Filled in, this command would be longer than %L1 characters, more than a command may be; check the values.</source>
        <translation>値を入れるとこのコマンドは %L1 文字を超え、コマンドの上限を上回ります。値を確認してください。</translation>
    </message>
    <message numerus="yes">
        <source>The continuous log %1 is written again. Lines that could not be written to it: %n (%2); a line in the file marks where.</source>
        <translation>
            <numerusform>連続ログ %1 への書き込みが再開しました。書き込めなかった行: %n（%2）。ファイル内の 1 行がその位置を示しています。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lines that never reached the continuous log %1: %n (%2).</source>
        <translation>
            <numerusform>連続ログ %1 に届かなかった行: %n（%2）。</numerusform>
        </translation>
    </message>
    <message>
        <source>The new command library is in use, but it could not be kept for the next start: %1</source>
        <translation>新しいコマンドライブラリを使用中ですが、次回の起動用に保存できませんでした: %1</translation>
    </message>
    <message>
        <source>Send mode switched to ASCII: this command is text.</source>
        <translation>送信モードを ASCII に切り替えました：このコマンドはテキストです。</translation>
    </message>
    <message>
        <source>Serial settings of %1 now shown for the next open: %2</source>
        <translation>%1 のシリアル設定を次回のオープン用に表示しました：%2</translation>
    </message>
    <message>
        <source>[file %1 · bytes sent: %L2]</source>
        <translation>[ファイル %1 · 送信バイト数：%L2]</translation>
    </message>
    <message>
        <source>%1 sent.</source>
        <translation>%1 を送信しました。</translation>
    </message>
    <message>
        <source>Sending %1 cancelled; bytes sent: %L2.</source>
        <translation>%1 の送信を取り消しました。送信バイト数：%L2。</translation>
    </message>
</context>
<context>
    <name>BatchStepReply</name>
    <message>
        <source>Wait for</source>
        <translation>待つ応答</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>regular expression</source>
        <translation>正規表現</translation>
    </message>
    <message>
        <source>hex bytes</source>
        <translation>16 進バイト</translation>
    </message>
    <message>
        <source>e.g. 01 03 ?? ??</source>
        <translation>例: 01 03 ?? ??</translation>
    </message>
    <message>
        <source>e.g. T=[0-9]+</source>
        <translation>例: T=[0-9]+</translation>
    </message>
    <message>
        <source>e.g. OK</source>
        <translation>例: OK</translation>
    </message>
    <message>
        <source>If no reply within</source>
        <translation>応答がないまま</translation>
    </message>
    <message>
        <source>ms:</source>
        <translation>ms 経過したら:</translation>
    </message>
    <message>
        <source>stop the batch</source>
        <translation>バッチを停止</translation>
    </message>
    <message>
        <source>go on</source>
        <translation>続行</translation>
    </message>
</context>
<context>
    <name>CommandLibraryPanel</name>
    <message>
        <source>Device model · Model</source>
        <translation>デバイスモデル · Model</translation>
    </message>
    <message>
        <source>Search commands</source>
        <translation>コマンドを検索</translation>
    </message>
    <message>
        <source>Drag a row to reorder</source>
        <translation>行をドラッグして並べ替え</translation>
    </message>
    <message>
        <source>Batch commands</source>
        <translation>バッチコマンド</translation>
    </message>
    <message>
        <source>New template</source>
        <translation>新しいテンプレート</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Edit template</source>
        <translation>テンプレートの編集</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>e.g. Reset device</source>
        <translation>例: デバイスをリセット</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>内容</translation>
    </message>
    <message>
        <source>The literal text to send</source>
        <translation>そのまま送信するテキスト</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>No batch commands yet</source>
        <translation>バッチコマンドはまだありません</translation>
    </message>
    <message>
        <source>%1 steps · %2 ms interval</source>
        <translation>%1 ステップ · 間隔 %2 ms</translation>
    </message>
    <message>
        <source>■ Stop</source>
        <translation>■ 停止</translation>
    </message>
    <message>
        <source>▶ Run</source>
        <translation>▶ 実行</translation>
    </message>
    <message>
        <source>New batch</source>
        <translation>新しいバッチ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Edit batch command</source>
        <translation>バッチコマンドの編集</translation>
    </message>
    <message>
        <source>New batch command</source>
        <translation>新しいバッチコマンド</translation>
    </message>
    <message>
        <source>e.g. Startup sequence</source>
        <translation>例: 起動シーケンス</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>間隔</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>ステップ</translation>
    </message>
    <message>
        <source>Command text</source>
        <translation>コマンドテキスト</translation>
    </message>
    <message>
        <source>CRC</source>
        <translation>CRC</translation>
    </message>
    <message>
        <source>Add step</source>
        <translation>ステップを追加</translation>
    </message>
    <message>
        <source>Delete template</source>
        <translation>テンプレートを削除</translation>
    </message>
    <message>
        <source>Delete the template &quot;%1&quot;? This cannot be undone.</source>
        <translation>テンプレート「%1」を削除しますか？元に戻せません。</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Korvel Serial Assistant: a serial terminal for Korvel sensors and any other serial device.</source>
        <translation>Korvel シリアルアシスタント: Korvel センサーをはじめ、あらゆるシリアルデバイスに使えるシリアルターミナル。</translation>
    </message>
    <message>
        <source>Choose the port PATH: a name from the port list (ttyUSB0) or any device path (/dev/serial/by-id/..., /tmp/hx4).</source>
        <translation>ポート PATH を指定します: ポート一覧の名前（ttyUSB0）または任意のデバイスパス（/dev/serial/by-id/...、/tmp/hx4）。</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>PATH</translation>
    </message>
    <message>
        <source>Use N bits per second, one of %1.</source>
        <translation>N ビット/秒を使用します（%1 のいずれか）。</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Open the port at start-up, with the serial settings the window shows.</source>
        <translation>起動時に、ウィンドウに表示されているシリアル設定でポートを開きます。</translation>
    </message>
    <message>
        <source>Run &quot;%1 --help&quot; to see the options.</source>
        <translation>オプションを確認するには「%1 --help」を実行してください。</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;.</source>
        <translation>予期しない引数「%1」です。</translation>
    </message>
    <message>
        <source>--port needs a port name or a device path.</source>
        <translation>--port にはポート名またはデバイスパスを指定してください。</translation>
    </message>
    <message>
        <source>--baud: &quot;%1&quot; is not a baud rate the window offers (%2).</source>
        <translation>--baud: 「%1」はウィンドウで選択できるボーレートではありません（%2）。</translation>
    </message>
</context>
<context>
    <name>CommandParamsPanel</name>
    <message>
        <source>Needs parameters</source>
        <translation>パラメーターが必要</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>挿入</translation>
    </message>
</context>
<context>
    <name>ControlLines</name>
    <message>
        <source>Reset device pulses RTS, which RTS/CTS flow control drives: choose DTR for the reset.</source>
        <translation>デバイスのリセットは RTS を操作しますが、RTS は RTS/CTS フロー制御が使用しています。リセットには DTR を選んでください。</translation>
    </message>
    <message>
        <source>Reset device: %1 pulsed for %2 ms.</source>
        <translation>デバイスのリセット：%1 を %2 ms パルスしました。</translation>
    </message>
    <message>
        <source>The port did not send a break.</source>
        <translation>ポートはブレークを送信しませんでした。</translation>
    </message>
    <message>
        <source>Break sent (%1 ms).</source>
        <translation>ブレークを送信しました（%1 ms）。</translation>
    </message>
    <message>
        <source>This port has no modem control lines.</source>
        <translation>このポートにはモデム制御線がありません。</translation>
    </message>
</context>
<context>
    <name>ControlLinesPanel</name>
    <message>
        <source>This port has no modem control lines.</source>
        <translation>このポートにはモデム制御線がありません。</translation>
    </message>
    <message>
        <source>Control lines</source>
        <translation>制御線</translation>
    </message>
    <message>
        <source>RTS/CTS flow control drives RTS while the port is open.</source>
        <translation>ポートが開いている間は RTS/CTS フロー制御が RTS を操作します。</translation>
    </message>
    <message>
        <source>Reset device</source>
        <translation>デバイスをリセット</translation>
    </message>
    <message>
        <source>Assert DTR after opening</source>
        <translation>オープン後に DTR をオン</translation>
    </message>
    <message>
        <source>Assert RTS after opening</source>
        <translation>オープン後に RTS をオン</translation>
    </message>
    <message>
        <source>Reset pulses</source>
        <translation>リセットのパルス線</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
</context>
<context>
    <name>DataMonitorView</name>
    <message>
        <source>Data monitor</source>
        <translation>データモニター</translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation>%1 行</translation>
    </message>
    <message>
        <source>Rx %1</source>
        <translation>受信 %1</translation>
    </message>
    <message>
        <source>Tx %1</source>
        <translation>送信 %1</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Clear log</source>
        <translation>ログをクリア</translation>
    </message>
    <message>
        <source>Save log…</source>
        <translation>ログを保存…</translation>
    </message>
    <message numerus="yes">
        <source>Paused · %n new lines</source>
        <translation>
            <numerusform>一時停止中 · 新しい行 %n</numerusform>
        </translation>
    </message>
    <message>
        <source>The log is full: the lines in view are being dropped.</source>
        <translation>ログが満杯です：表示中の行が削除されています。</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>再開</translation>
    </message>
    <message>
        <source>Show as JSON</source>
        <translation>JSON として表示</translation>
    </message>
</context>
<context>
    <name>DeviceLibraryUpdateClient</name>
    <message>
        <source>Remote update server not configured (.env).</source>
        <translation>リモート更新サーバーが設定されていません（.env）。</translation>
    </message>
    <message>
        <source>Malformed response: %1</source>
        <translation>応答の形式が正しくありません: %1</translation>
    </message>
    <message>
        <source>Checksum mismatch -- downloaded data may be corrupted.</source>
        <translation>チェックサムが一致しません。ダウンロードしたデータが破損している可能性があります。</translation>
    </message>
    <message>
        <source>Response has no models[] array.</source>
        <translation>応答に models[] 配列がありません。</translation>
    </message>
</context>
<context>
    <name>DriverHintDialog</name>
    <message>
        <source>Serial driver may be missing</source>
        <translation>シリアルドライバーがない可能性があります</translation>
    </message>
    <message>
        <source>Download driver</source>
        <translation>ドライバーをダウンロード</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>The CH340 USB-to-serial driver doesn&apos;t appear to be installed on this computer. Without it, a connected Korvel device won&apos;t show up as an available serial port.</source>
        <translation>このコンピューターには CH340 USB-シリアル変換ドライバーがインストールされていないようです。ドライバーがないと、接続した Korvel デバイスが使用可能なシリアルポートとして表示されません。</translation>
    </message>
    <message>
        <source>Don&apos;t show this again</source>
        <translation>今後表示しない</translation>
    </message>
</context>
<context>
    <name>DriverListDialog</name>
    <message>
        <source>Driver downloads</source>
        <translation>ドライバーのダウンロード</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>No drivers are relevant on this platform.</source>
        <translation>このプラットフォームで必要なドライバーはありません。</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>インストール済み</translation>
    </message>
    <message>
        <source>Not detected</source>
        <translation>検出されません</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>USB-to-serial driver used by most Korvel devices</source>
        <translation>ほとんどの Korvel デバイスで使われている USB-シリアル変換ドライバー</translation>
    </message>
</context>
<context>
    <name>FieldMonitor</name>
    <message numerus="yes">
        <source>Only the first %1 fields are kept. Not added (%n or more): %2.</source>
        <translation>
            <numerusform>最初の %1 個のフィールドのみ保持されます。追加されなかったもの（%n 個以上）: %2。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only the first %1 fields are kept. Not added (%n): %2.</source>
        <translation>
            <numerusform>最初の %1 個のフィールドのみ保持されます。追加されなかったもの（%n 個）: %2。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lines not read (%n): broken JSON, nested deeper than %1 levels or longer than %2 KiB.</source>
        <translation>
            <numerusform>読み取らなかった行（%n）: 壊れた JSON、%1 階層を超える入れ子、または %2 KiB を超える長さ。</numerusform>
        </translation>
    </message>
    <message>
        <source>This line is no longer in the log.</source>
        <translation>この行はもうログにありません。</translation>
    </message>
    <message>
        <source>Enter a file name.</source>
        <translation>ファイル名を入力してください。</translation>
    </message>
</context>
<context>
    <name>FieldPlot</name>
    <message>
        <source>The picture could not be written to %1.</source>
        <translation>画像を %1 に書き込めませんでした。</translation>
    </message>
</context>
<context>
    <name>FieldsPanel</name>
    <message>
        <source>Saved to %1</source>
        <translation>%1 に保存しました</translation>
    </message>
    <message>
        <source>Fields</source>
        <translation>フィールド</translation>
    </message>
    <message>
        <source>The fields of received JSON objects, label:value lines and lines of numbers appear here, with a live plot.</source>
        <translation>受信した JSON オブジェクト、label:value 形式の行、数値の行のフィールドがここにライブグラフとともに表示されます。</translation>
    </message>
    <message>
        <source>10 s</source>
        <translation>10 秒</translation>
    </message>
    <message>
        <source>1 min</source>
        <translation>1 分</translation>
    </message>
    <message>
        <source>10 min</source>
        <translation>10 分</translation>
    </message>
    <message>
        <source>All kept</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>Time shown in the plot</source>
        <translation>グラフに表示する時間</translation>
    </message>
    <message>
        <source>Fit values</source>
        <translation>値に合わせる</translation>
    </message>
    <message>
        <source>min</source>
        <translation>最小</translation>
    </message>
    <message>
        <source>max</source>
        <translation>最大</translation>
    </message>
    <message>
        <source>Pause plot</source>
        <translation>グラフを一時停止</translation>
    </message>
    <message>
        <source>Clear fields</source>
        <translation>フィールドを消去</translation>
    </message>
    <message>
        <source>Save plot as PNG…</source>
        <translation>グラフを PNG で保存…</translation>
    </message>
    <message>
        <source>Save samples as CSV…</source>
        <translation>サンプルを CSV で保存…</translation>
    </message>
    <message>
        <source>Hide fields</source>
        <translation>フィールドを隠す</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>フィールド</translation>
    </message>
    <message>
        <source>Latest</source>
        <translation>最新</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>最小</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>最大</translation>
    </message>
    <message>
        <source>Rate/s</source>
        <translation>回/秒</translation>
    </message>
    <message>
        <source>Samples</source>
        <translation>件数</translation>
    </message>
    <message>
        <source>Tick numeric fields in the table to plot them.</source>
        <translation>表の数値フィールドにチェックを入れるとグラフに表示されます。</translation>
    </message>
    <message>
        <source>Save plot as PNG</source>
        <translation>グラフを PNG で保存</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG 画像 (*.png)</translation>
    </message>
    <message>
        <source>Save samples as CSV</source>
        <translation>サンプルを CSV で保存</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
</context>
<context>
    <name>FileSendDialog</name>
    <message>
        <source>Send file</source>
        <translation>ファイルを送信</translation>
    </message>
    <message>
        <source>File to send</source>
        <translation>送信するファイル</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>参照…</translation>
    </message>
    <message>
        <source>Raw bytes, as they are in the file</source>
        <translation>ファイルのままの生バイト</translation>
    </message>
    <message>
        <source>Text, line by line, each line ended by %1</source>
        <translation>テキスト、1 行ずつ、各行の末尾に %1</translation>
    </message>
    <message>
        <source>Pause after each line or piece</source>
        <translation>各行または各ブロックの後の待ち時間</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>送信</translation>
    </message>
</context>
<context>
    <name>FileSendProgress</name>
    <message>
        <source>Sending %1</source>
        <translation>%1 を送信中</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>%1 of %2 sent</source>
        <translation>%2 中 %1 を送信済み</translation>
    </message>
    <message>
        <source>%1 of %2 sent · about %L3 s left</source>
        <translation>%2 中 %1 を送信済み · 残り約 %L3 秒</translation>
    </message>
</context>
<context>
    <name>FileSender</name>
    <message>
        <source>The port closed before the whole file was sent.</source>
        <translation>ファイル全体を送信する前にポートが閉じました。</translation>
    </message>
    <message>
        <source>A file is being sent already.</source>
        <translation>すでにファイルを送信中です。</translation>
    </message>
    <message>
        <source>Port is not open — click &quot;Open port&quot; first.</source>
        <translation>ポートが開いていません。先に「ポートを開く」をクリックしてください。</translation>
    </message>
    <message>
        <source>Cannot send %1: %2</source>
        <translation>%1 を送信できません：%2</translation>
    </message>
    <message>
        <source>Reading %1 failed: %2</source>
        <translation>%1 の読み込みに失敗しました：%2</translation>
    </message>
    <message>
        <source>The port did not take the data of %1.</source>
        <translation>ポートは %1 のデータを受け付けませんでした。</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Searching…</source>
        <translation>検索中…</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>一致なし</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n 件一致</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n</source>
        <translation>
            <numerusform>%1 / %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Find bytes (hex, e.g. 0A 01 7F)</source>
        <translation>バイトを検索（16進、例: 0A 01 7F）</translation>
    </message>
    <message>
        <source>Find in the log</source>
        <translation>ログ内を検索</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>正規表現</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>大文字と小文字を区別</translation>
    </message>
    <message>
        <source>Search received lines</source>
        <translation>受信した行を検索</translation>
    </message>
    <message>
        <source>Search sent lines</source>
        <translation>送信した行を検索</translation>
    </message>
    <message>
        <source>Search notices</source>
        <translation>通知を検索</translation>
    </message>
    <message>
        <source>Search errors</source>
        <translation>エラーを検索</translation>
    </message>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation>前の一致 (Shift+F3)</translation>
    </message>
    <message>
        <source>Next match (F3)</source>
        <translation>次の一致 (F3)</translation>
    </message>
    <message>
        <source>Only matches</source>
        <translation>一致のみ</translation>
    </message>
    <message>
        <source>Show only the lines that match</source>
        <translation>一致する行だけを表示</translation>
    </message>
    <message numerus="yes">
        <source>%n lines hidden</source>
        <translation>
            <numerusform>%n 行を非表示</numerusform>
        </translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>閉じる (Esc)</translation>
    </message>
</context>
<context>
    <name>FramingOptions</name>
    <message>
        <source>Lines</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Frames by silence</source>
        <translation>無通信でフレーム区切り</translation>
    </message>
    <message>
        <source>Frame pause</source>
        <translation>フレーム間隔</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>With CRC on, each frame is marked by its CRC-16/MODBUS.</source>
        <translation>CRC がオンのとき、各フレームに CRC-16/MODBUS の判定が付きます。</translation>
    </message>
</context>
<context>
    <name>HighlightRuleModel</name>
    <message numerus="yes">
        <source>No more than %n rules can be kept.</source>
        <translation>
            <numerusform>保存できるルールは %n 個までです。</numerusform>
        </translation>
    </message>
    <message>
        <source>The rule needs a pattern.</source>
        <translation>ルールにはパターンが必要です。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour of the palette.</source>
        <translation>「%1」はパレットの色ではありません。</translation>
    </message>
</context>
<context>
    <name>HighlightRulesEditor</name>
    <message>
        <source>No rules yet: lines keep the monitor&apos;s colours.</source>
        <translation>ルールはまだありません。行はモニターの色のままです。</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Text to colour, e.g. ERROR</source>
        <translation>色を付ける文字列（例: ERROR）</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>正規表現</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Save rule</source>
        <translation>ルールを保存</translation>
    </message>
    <message>
        <source>Add rule</source>
        <translation>ルールを追加</translation>
    </message>
    <message>
        <source>Highlight rules</source>
        <translation>強調表示ルール</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>JsonLineDialog</name>
    <message>
        <source>Line as JSON</source>
        <translation>JSON として表示した行</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>JsonText</name>
    <message>
        <source>the line ends before the JSON value is complete</source>
        <translation>JSON の値が完結する前に行が終わっています</translation>
    </message>
    <message>
        <source>a value was expected</source>
        <translation>値が必要です</translation>
    </message>
    <message>
        <source>a key in double quotes was expected</source>
        <translation>二重引用符で囲んだキーが必要です</translation>
    </message>
    <message>
        <source>&quot;:&quot; was expected after the key</source>
        <translation>キーの後に &quot;:&quot; が必要です</translation>
    </message>
    <message>
        <source>&quot;,&quot; or &quot;}&quot; was expected</source>
        <translation>&quot;,&quot; または &quot;}&quot; が必要です</translation>
    </message>
    <message>
        <source>&quot;,&quot; or &quot;]&quot; was expected</source>
        <translation>&quot;,&quot; または &quot;]&quot; が必要です</translation>
    </message>
    <message>
        <source>the number is malformed</source>
        <translation>数値の形式が正しくありません</translation>
    </message>
    <message>
        <source>a string holds an unknown escape sequence</source>
        <translation>文字列に不明なエスケープシーケンスがあります</translation>
    </message>
    <message>
        <source>a string holds a control character</source>
        <translation>文字列に制御文字があります</translation>
    </message>
    <message>
        <source>a string holds bytes that are not UTF-8</source>
        <translation>文字列に UTF-8 ではないバイトがあります</translation>
    </message>
    <message>
        <source>it is nested deeper than %1 levels</source>
        <translation>入れ子が %1 階層を超えています</translation>
    </message>
    <message>
        <source>more text follows the JSON value</source>
        <translation>JSON の値の後に余分なテキストがあります</translation>
    </message>
    <message>
        <source>The line is too long to show as JSON (%1 bytes).</source>
        <translation>行が長すぎるため JSON として表示できません（%1 バイト）。</translation>
    </message>
    <message>
        <source>The line is empty: it holds no JSON.</source>
        <translation>行が空です。JSON がありません。</translation>
    </message>
    <message>
        <source>Not valid JSON from character %1 on: %2.</source>
        <translation>%1 文字目から JSON として正しくありません: %2。</translation>
    </message>
</context>
<context>
    <name>LibraryCache</name>
    <message>
        <source>The library is larger than %1 bytes.</source>
        <translation>ライブラリが %1 バイトを超えています。</translation>
    </message>
</context>
<context>
    <name>LineEndChooser</name>
    <message>
        <source>Line end</source>
        <translation>改行コード</translation>
    </message>
</context>
<context>
    <name>LogFileWriter</name>
    <message>
        <source>the disk did not keep up with the lines</source>
        <translation>ディスクの書き込みが行の到着に追いつきませんでした</translation>
    </message>
</context>
<context>
    <name>LogListModel</name>
    <message>
        <source>[CRC ok]</source>
        <translation>[CRC 正常]</translation>
    </message>
    <message>
        <source>[CRC bad]</source>
        <translation>[CRC 不正]</translation>
    </message>
</context>
<context>
    <name>LogManager</name>
    <message numerus="yes">
        <source>Lines that could not be written here: %n (%1)</source>
        <translation>
            <numerusform>ここに書き込めなかった行: %n（%1）</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LogMatcher</name>
    <message numerus="yes">
        <source>The pattern is longer than %n characters.</source>
        <translation>
            <numerusform>パターンが %n 文字を超えています。</numerusform>
        </translation>
    </message>
    <message>
        <source>Invalid regular expression: %1 (at character %2)</source>
        <translation>無効な正規表現: %1（%2 文字目）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; at position %2 is not a hex digit.</source>
        <translation>位置 %2 の「%1」は 16 進数字ではありません。</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Korvel Serial Assistant</source>
        <translation>Korvel シリアルアシスタント</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>Save log</source>
        <translation>ログを保存</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>ポート(&amp;P)</translation>
    </message>
    <message>
        <source>Open device path…</source>
        <translation>デバイスのパスを開く…</translation>
    </message>
    <message>
        <source>Reconnect automatically</source>
        <translation>自動的に再接続</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>Pause scrolling</source>
        <translation>スクロールを一時停止</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>ツール(&amp;T)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Driver downloads</source>
        <translation>ドライバーのダウンロード</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>送信</translation>
    </message>
    <message>
        <source>Serial driver not installed — click for details</source>
        <translation>シリアルドライバーがインストールされていません — クリックして詳細を表示</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>非表示にする</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>シリアル</translation>
    </message>
    <message>
        <source>Device commands</source>
        <translation>デバイスコマンド</translation>
    </message>
    <message>
        <source>Failed to open port</source>
        <translation>ポートを開けませんでした</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Stop continuous logging</source>
        <translation>連続記録を停止</translation>
    </message>
    <message>
        <source>Clear monitor</source>
        <translation>モニターをクリア</translation>
    </message>
    <message>
        <source>Close port</source>
        <translation>ポートを閉じる</translation>
    </message>
    <message>
        <source>Open port</source>
        <translation>ポートを開く</translation>
    </message>
    <message>
        <source>Check for updates…</source>
        <translation>アップデートを確認…</translation>
    </message>
    <message>
        <source>Fields and plot</source>
        <translation>フィールドとグラフ</translation>
    </message>
    <message>
        <source>Find…</source>
        <translation>検索…</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Reset device</source>
        <translation>デバイスをリセット</translation>
    </message>
    <message>
        <source>Send break</source>
        <translation>ブレークを送信</translation>
    </message>
    <message>
        <source>Send file…</source>
        <translation>ファイルを送信…</translation>
    </message>
</context>
<context>
    <name>PortAccess</name>
    <message>
        <source>%1 does not exist. Check the path, and that the device is plugged in.</source>
        <translation>%1 は存在しません。パスが正しいこと、デバイスが接続されていることを確認してください。</translation>
    </message>
    <message>
        <source>%1 is a folder, not a serial device.</source>
        <translation>%1 はフォルダーで、シリアルデバイスではありません。</translation>
    </message>
    <message>
        <source>%1 is a regular file, not a serial device.</source>
        <translation>%1 は通常のファイルで、シリアルデバイスではありません。</translation>
    </message>
    <message>
        <source>%1 is not a serial device.</source>
        <translation>%1 はシリアルデバイスではありません。</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>%1 を開けません: %2。</translation>
    </message>
    <message>
        <source>It is not a serial device.</source>
        <translation>シリアルデバイスではありません。</translation>
    </message>
    <message>
        <source>To get access on Linux, add your user to the group that owns the device (%1), for example with &quot;sudo usermod -aG %1 $USER&quot;, then log out and log in again.</source>
        <translation>Linux でアクセスできるようにするには、デバイスを所有するグループ（%1）にユーザーを追加してください（例: 「sudo usermod -aG %1 $USER」）。その後、ログアウトしてログインし直してください。</translation>
    </message>
    <message>
        <source>It is in use by another program: %1 (process %2). Close the port there, then try again.</source>
        <translation>別のプログラムが使用中です: %1（プロセス %2）。そちらでポートを閉じてから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>It is in use by another program (process %1). Close the port there, then try again.</source>
        <translation>別のプログラムが使用中です（プロセス %1）。そちらでポートを閉じてから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>It is in use by another program. Close the port there, then try again.</source>
        <translation>別のプログラムが使用中です。そちらでポートを閉じてから、もう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>PortComboBox</name>
    <message>
        <source>No ports found</source>
        <translation>ポートが見つかりません</translation>
    </message>
    <message>
        <source>Open a device path…</source>
        <translation>デバイスのパスを開く…</translation>
    </message>
    <message>
        <source>A device the list does not show</source>
        <translation>一覧に表示されないデバイス</translation>
    </message>
    <message>
        <source>Device path</source>
        <translation>デバイスのパス</translation>
    </message>
    <message>
        <source>Unknown device</source>
        <translation>不明なデバイス</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>パス</translation>
    </message>
    <message>
        <source>%1 is gone</source>
        <translation>%1 が見つかりません</translation>
    </message>
    <message>
        <source>Choose a port</source>
        <translation>ポートを選択</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>no temporary-files folder is available for the update</source>
        <translation>更新に使える一時ファイル用フォルダーがありません</translation>
    </message>
    <message>
        <source>could not start &apos;tar&apos; (bundled with Windows 10 1803+/Windows 11) -- %1</source>
        <translation>&apos;tar&apos; を起動できませんでした（Windows 10 1803+/Windows 11 に付属）: %1</translation>
    </message>
    <message>
        <source>&apos;tar&apos; timed out extracting the update</source>
        <translation>更新の展開中に &apos;tar&apos; がタイムアウトしました</translation>
    </message>
    <message>
        <source>&apos;tar&apos; failed (exit %1): %2</source>
        <translation>&apos;tar&apos; が失敗しました（終了コード %1）: %2</translation>
    </message>
    <message>
        <source>downloaded archive doesn&apos;t contain %1 -- not a valid release package</source>
        <translation>ダウンロードしたアーカイブに %1 が含まれていません。有効なリリースパッケージではありません</translation>
    </message>
    <message>
        <source>could not write updater script to %1: %2</source>
        <translation>更新スクリプトを %1 に書き込めませんでした: %2</translation>
    </message>
    <message>
        <source>the update service published no checksum for this package -- it can&apos;t be verified</source>
        <translation>更新サービスがこのパッケージのチェックサムを公開していません。検証できません</translation>
    </message>
    <message>
        <source>the downloaded update doesn&apos;t match its published checksum -- it may be damaged or tampered with</source>
        <translation>ダウンロードした更新が公開されたチェックサムと一致しません。破損しているか、改ざんされている可能性があります</translation>
    </message>
    <message>
        <source>could not start the updater script %1</source>
        <translation>更新スクリプト %1 を起動できませんでした</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>It is not a regular file.</source>
        <translation>通常のファイルではありません。</translation>
    </message>
    <message>
        <source>It is larger than %1 bytes.</source>
        <translation>%1 バイトを超えています。</translation>
    </message>
</context>
<context>
    <name>RemoteAssistPanel</name>
    <message>
        <source>Remote support</source>
        <translation>リモートサポート</translation>
    </message>
    <message>
        <source>Send the code below to Korvel support so they can connect to your computer and help diagnose device issues.</source>
        <translation>下のコードを Korvel サポートに送ると、サポート担当者がお使いのコンピューターに接続して、デバイスの問題の診断をお手伝いします。</translation>
    </message>
    <message>
        <source>Your code</source>
        <translation>あなたのコード</translation>
    </message>
    <message>
        <source>Valid for 10 minutes · this session only</source>
        <translation>10 分間有効 · このセッションのみ</translation>
    </message>
    <message>
        <source>Copy code</source>
        <translation>コードをコピー</translation>
    </message>
    <message>
        <source>Regenerate</source>
        <translation>再生成</translation>
    </message>
    <message>
        <source>One-time password</source>
        <translation>ワンタイムパスワード</translation>
    </message>
    <message>
        <source>Allow support to send/receive on the serial port</source>
        <translation>サポートによるシリアルポートでの送受信を許可</translation>
    </message>
    <message>
        <source>Share this session&apos;s log</source>
        <translation>このセッションのログを共有</translation>
    </message>
    <message>
        <source>Allow full desktop control</source>
        <translation>デスクトップの完全な操作を許可</translation>
    </message>
    <message>
        <source>Start session</source>
        <translation>セッションを開始</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>未接続</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Remote support requires a signaling/relay service that this build does not include yet. The session code and permissions above are ready to wire up once that transport exists.</source>
        <translation>リモートサポートにはシグナリング/リレーサービスが必要ですが、このビルドにはまだ含まれていません。その通信経路が用意され次第、上のセッションコードと権限をそのまま利用できます。</translation>
    </message>
</context>
<context>
    <name>ReplyGuard</name>
    <message numerus="yes">
        <source>The transfer did not finish in time (%n s).</source>
        <translation>
            <numerusform>転送が時間内に終わりませんでした（%n 秒）。</numerusform>
        </translation>
    </message>
    <message>
        <source>The answer is larger than %1 bytes, more than this request can need.</source>
        <translation>応答が %1 バイトを超えており、この要求に必要な量を上回っています。</translation>
    </message>
    <message numerus="yes">
        <source>The download made no progress for %n s.</source>
        <translation>
            <numerusform>ダウンロードが %n 秒間進みませんでした。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReplyPattern</name>
    <message>
        <source>&quot;%1&quot; at position %2 is neither a hex digit nor part of &quot;??&quot;.</source>
        <translation>位置 %2 の「%1」は 16 進数字でも「??」の一部でもありません。</translation>
    </message>
    <message>
        <source>Enter what the reply must contain.</source>
        <translation>応答に含まれるべき内容を入力してください。</translation>
    </message>
    <message>
        <source>text &quot;%1&quot;</source>
        <translation>テキスト「%1」</translation>
    </message>
    <message>
        <source>regular expression &quot;%1&quot;</source>
        <translation>正規表現「%1」</translation>
    </message>
    <message>
        <source>hex bytes %1</source>
        <translation>16 進バイト %1</translation>
    </message>
</context>
<context>
    <name>ReplyWait</name>
    <message>
        <source>Step %1: the reply pattern cannot be used: %2</source>
        <translation>ステップ %1: 応答パターンを使用できません: %2</translation>
    </message>
    <message>
        <source>Step %1: waiting up to %2 ms for a reply matching %3.</source>
        <translation>ステップ %1: %3 に一致する応答を最大 %2 ms 待っています。</translation>
    </message>
    <message>
        <source>Step %1: the port closed while waiting for the reply.</source>
        <translation>ステップ %1: 応答を待っている間にポートが閉じられました。</translation>
    </message>
    <message>
        <source>Step %1: a reply matching %2 came after %3 ms.</source>
        <translation>ステップ %1: %2 に一致する応答を %3 ms 後に受信しました。</translation>
    </message>
    <message>
        <source>Step %1: no reply matching %2 within %3 ms; going on.</source>
        <translation>ステップ %1: %3 ms 以内に %2 に一致する応答がありません。続行します。</translation>
    </message>
    <message>
        <source>Step %1: no reply matching %2 within %3 ms.</source>
        <translation>ステップ %1: %3 ms 以内に %2 に一致する応答がありません。</translation>
    </message>
</context>
<context>
    <name>SaveLogDialog</name>
    <message>
        <source>Save session log</source>
        <translation>セッションログを保存</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>保存先</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>参照…</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>形式</translation>
    </message>
    <message>
        <source>Plain text (.log)</source>
        <translation>プレーンテキスト (.log)</translation>
    </message>
    <message>
        <source>HEX dump</source>
        <translation>HEX ダンプ</translation>
    </message>
    <message>
        <source>Continue logging to disk, rotating the file every day</source>
        <translation>ディスクへの記録を続け、毎日ファイルを切り替える</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Logging now to %1</source>
        <translation>現在 %1 に記録中</translation>
    </message>
    <message>
        <source>Saving stops logging to %1</source>
        <translation>保存すると %1 への記録を停止します</translation>
    </message>
</context>
<context>
    <name>SendArea</name>
    <message>
        <source>Type data to send…</source>
        <translation>送信するデータを入力…</translation>
    </message>
    <message>
        <source>Send as</source>
        <translation>送信形式</translation>
    </message>
    <message>
        <source>CRC16</source>
        <translation>CRC16</translation>
    </message>
    <message>
        <source>Enter sends · Shift+Enter new line</source>
        <translation>Enter で送信 · Shift+Enter で改行</translation>
    </message>
    <message>
        <source>Ctrl+Enter sends</source>
        <translation>Ctrl+Enter で送信</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>送信</translation>
    </message>
    <message>
        <source>Send (Ctrl+Enter)</source>
        <translation>送信 (Ctrl+Enter)</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>History</source>
        <translation>履歴</translation>
    </message>
    <message>
        <source>Send history</source>
        <translation>送信履歴</translation>
    </message>
    <message>
        <source>Clear history</source>
        <translation>履歴をクリア</translation>
    </message>
    <message>
        <source>No history yet</source>
        <translation>履歴はまだありません</translation>
    </message>
</context>
<context>
    <name>SerialManager</name>
    <message>
        <source>Serial port %1 disconnected.</source>
        <translation>シリアルポート %1 が切断されました。</translation>
    </message>
</context>
<context>
    <name>SerialOptions</name>
    <message>
        <source>None</source>
        <comment>parity</comment>
        <translation>なし</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>偶数</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>奇数</translation>
    </message>
    <message>
        <source>None</source>
        <comment>flow control</comment>
        <translation>なし</translation>
    </message>
    <message>
        <source>RTS/CTS</source>
        <translation>RTS/CTS</translation>
    </message>
    <message>
        <source>XON/XOFF</source>
        <translation>XON/XOFF</translation>
    </message>
    <message>
        <source>None</source>
        <comment>line end</comment>
        <translation>なし</translation>
    </message>
</context>
<context>
    <name>SerialSettingsPanel</name>
    <message>
        <source>Port · PORT</source>
        <translation>ポート · PORT</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>ボーレート</translation>
    </message>
    <message>
        <source>Data bits</source>
        <translation>データビット</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>パリティ</translation>
    </message>
    <message>
        <source>Stop bits</source>
        <translation>ストップビット</translation>
    </message>
    <message>
        <source>Flow control</source>
        <translation>フロー制御</translation>
    </message>
    <message>
        <source>Close port</source>
        <translation>ポートを閉じる</translation>
    </message>
    <message>
        <source>Stop waiting</source>
        <translation>待機を中止</translation>
    </message>
    <message>
        <source>Open port</source>
        <translation>ポートを開く</translation>
    </message>
    <message>
        <source>Reconnect automatically</source>
        <translation>自動的に再接続</translation>
    </message>
    <message>
        <source>Receive · RECEIVE</source>
        <translation>受信 · RECEIVE</translation>
    </message>
    <message>
        <source>Show timestamp</source>
        <translation>タイムスタンプを表示</translation>
    </message>
    <message>
        <source>Wrap lines</source>
        <translation>行を折り返す</translation>
    </message>
    <message>
        <source>Echo sent data</source>
        <translation>送信データをエコー表示</translation>
    </message>
    <message>
        <source>Transmit · TRANSMIT</source>
        <translation>送信 · TRANSMIT</translation>
    </message>
    <message>
        <source>Append CRC (CRC16/MODBUS)</source>
        <translation>CRC を付加 (CRC16/MODBUS)</translation>
    </message>
    <message>
        <source>Repeat send</source>
        <translation>繰り返し送信</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Open a device path</source>
        <translation>デバイスのパスを開く</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Any serial device or pseudo-terminal, opened with the settings of the serial panel. Paths opened here stay in the port list while they exist.</source>
        <translation>任意のシリアルデバイスまたは疑似端末を、シリアルパネルの設定で開きます。ここで開いたパスは、存在する間はポート一覧に残ります。</translation>
    </message>
</context>
<context>
    <name>ServiceRequest</name>
    <message>
        <source>The API key in .env holds a control character (such as NUL or a line break); it was not sent.</source>
        <translation>.env の API キーに制御文字（NUL や改行など）が含まれているため、送信しませんでした。</translation>
    </message>
</context>
<context>
    <name>SettingsAboutDialog</name>
    <message>
        <source>Settings &amp; About</source>
        <translation>設定とバージョン情報</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>表示言語</translation>
    </message>
    <message>
        <source>System font</source>
        <translation>システムフォント</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Data monitor font</source>
        <translation>データモニターのフォント</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>テーマ</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>ライト</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>ダーク</translation>
    </message>
    <message>
        <source>Command library</source>
        <translation>コマンドライブラリ</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>最新</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>更新あり</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>更新を確認</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>Platform</source>
        <translation>プラットフォーム</translation>
    </message>
    <message>
        <source>%1 (Qt %2)</source>
        <translation>%1 (Qt %2)</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>サポート</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>Restore defaults</source>
        <translation>既定値に戻す</translation>
    </message>
    <message>
        <source>Download and apply</source>
        <translation>ダウンロードして適用</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>キーボード</translation>
    </message>
    <message>
        <source>Enter sends (Shift+Enter for a new line)</source>
        <translation>Enter で送信（Shift+Enter で改行）</translation>
    </message>
    <message numerus="yes">
        <source>%n models</source>
        <translation>
            <numerusform>%n モデル</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n commands</source>
        <translation>
            <numerusform>%n コマンド</numerusform>
        </translation>
    </message>
    <message>
        <source>Highlight rules</source>
        <translation>強調表示ルール</translation>
    </message>
    <message>
        <source>Lines matching a pattern can be coloured.</source>
        <translation>パターンに一致する行に色を付けられます。</translation>
    </message>
    <message numerus="yes">
        <source>%n rules colour matching lines.</source>
        <translation>
            <numerusform>%n 個のルールが一致する行に色を付けます。</numerusform>
        </translation>
    </message>
    <message>
        <source>Edit rules…</source>
        <translation>ルールを編集…</translation>
    </message>
</context>
<context>
    <name>SoftwareUpdateClient</name>
    <message>
        <source>Update server not configured (.env).</source>
        <translation>更新サーバーが設定されていません（.env）。</translation>
    </message>
    <message>
        <source>Malformed response: %1</source>
        <translation>応答の形式が正しくありません: %1</translation>
    </message>
    <message>
        <source>Server reported an error.</source>
        <translation>サーバーがエラーを返しました。</translation>
    </message>
    <message>
        <source>This app isn&apos;t registered on the update server (slug &quot;%1&quot; not found).</source>
        <translation>このアプリは更新サーバーに登録されていません（slug「%1」が見つかりません）。</translation>
    </message>
    <message>
        <source>Download incomplete: received %1 of %2 bytes.</source>
        <translation>ダウンロードが不完全です: %2 バイト中 %1 バイトしか受信していません。</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>The package address &quot;%1&quot; is not an http or https address; nothing was fetched.</source>
        <translation>パッケージのアドレス「%1」は http または https のアドレスではないため、何も取得しませんでした。</translation>
    </message>
    <message>
        <source>The package is larger than the %1 bytes the update service announced.</source>
        <translation>パッケージが更新サービスの告知した %1 バイトを超えています。</translation>
    </message>
</context>
<context>
    <name>SoftwareUpdateDialog</name>
    <message>
        <source>Software Update</source>
        <translation>ソフトウェアの更新</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>後で</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>今すぐ更新</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>再試行</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1 is available (you have %2)</source>
        <translation>バージョン %1 が利用可能です（現在 %2）</translation>
    </message>
    <message>
        <source>This update is required to keep using the app.</source>
        <translation>アプリを引き続き使用するには、この更新が必要です。</translation>
    </message>
    <message>
        <source>Open download page</source>
        <translation>ダウンロードページを開く</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Batch %1 · step %2</source>
        <translation>バッチ %1 · ステップ %2</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Logging to %1</source>
        <translation>%1 に記録中</translation>
    </message>
    <message>
        <source>%1 — click to open its folder</source>
        <translation>%1 — クリックでフォルダーを開く</translation>
    </message>
</context>
</TS>
