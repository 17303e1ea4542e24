<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Korvel Serial Assistant</source>
        <translation>Korvel 序列埠助手</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>A serial terminal for Korvel&apos;s USB sensors and other devices that talk JSON or text over a serial line.</source>
        <translation>適用於 Korvel USB 感測器及其他透過序列埠收發 JSON 或文字之裝置的序列埠終端機。</translation>
    </message>
    <message>
        <source>Build time</source>
        <translation>建置時間</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>公司</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>網站</translation>
    </message>
    <message>
        <source>Built with Qt %1, used under the GNU Lesser General Public License v3 (LGPLv3). Qt is a trademark of The Qt Company Ltd. Qt is linked dynamically: its libraries may be replaced with a compatible LGPLv3 build.</source>
        <translation>以 Qt %1 建置，依 GNU 較寬鬆通用公共授權條款第 3 版（LGPLv3）使用。Qt 是 The Qt Company Ltd. 的商標。Qt 以動態方式連結：其程式庫可替換為相容的 LGPLv3 版本。</translation>
    </message>
</context>
<context>
    <name>AppController</name>
    <message>
        <source>%1 bytes that had not gone out yet were discarded.</source>
        <translation>已捨棄尚未送出的 %1 位元組。</translation>
    </message>
    <message>
        <source>Settings cannot be saved to %1; changes last only until the application ends.</source>
        <translation>無法將設定儲存至 %1；變更僅在本次執行期間有效。</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Port is not open — click &quot;Open port&quot; first.</source>
        <translation>序列埠未開啟——請先按一下「開啟序列埠」。</translation>
    </message>
    <message>
        <source>Batch &quot;%1&quot; started — %2 step(s).</source>
        <translation>批次指令「%1」開始執行——共 %2 個步驟。</translation>
    </message>
    <message>
        <source>Batch &quot;%1&quot; stopped.</source>
        <translation>批次指令「%1」已停止。</translation>
    </message>
    <message>
        <source>Batch &quot;%1&quot; finished.</source>
        <translation>批次指令「%1」已完成。</translation>
    </message>
    <message>
        <source>Enter a file name.</source>
        <translation>請輸入檔案名稱。</translation>
    </message>
    <message>
        <source>A file name cannot contain &quot;/&quot;, &quot;\&quot; or control characters.</source>
        <translation>檔案名稱不可包含「/」、「\」或控制字元。</translation>
    </message>
    <message>
        <source>Choose a folder for the log.</source>
        <translation>請選擇記錄檔的資料夾。</translation>
    </message>
    <message>
        <source>The log could not be written to %1.</source>
        <translation>無法將記錄寫入 %1。</translation>
    </message>
    <message>
        <source>Log saved to %1</source>
        <translation>記錄已儲存至 %1</translation>
    </message>
    <message>
        <source>The continuous log %1 cannot be written: %2</source>
        <translation>無法寫入連續記錄檔 %1：%2</translation>
    </message>
    <message>
        <source>Type the path of a serial device first.</source>
        <translation>請先輸入序列裝置的路徑。</translation>
    </message>
    <message>
        <source>%1 reconnected · %2</source>
        <translation>%1 已重新連線 · %2</translation>
    </message>
    <message>
        <source>Not sent: &quot;%1&quot; at position %2 is not a hex digit.</source>
        <translation>未傳送：第 %2 個位置的「%1」不是十六進位數字。</translation>
    </message>
    <message>
        <source>Not sent: the draft holds no hex digits.</source>
        <translation>未傳送：輸入內容中沒有十六進位數字。</translation>
    </message>
    <message>
        <source>Sent; not kept in the history, as it is longer than 4 KiB.</source>
        <translation>已傳送；內容超過 4 KiB，未保留於歷史記錄。</translation>
    </message>
    <message>
        <source>Not sent: the device is not reading — %1 bytes are still waiting to go out.</source>
        <translation>未傳送：裝置未在讀取——仍有 %1 位元組等待送出。</translation>
    </message>
    <message>
        <source>Not sent: %1 bytes are more than the port may hold at once (%2).</source>
        <translation>未傳送：%1 位元組超過序列埠一次可容納的上限（%2）。</translation>
    </message>
    <message>
        <source>%1 WAITING</source>
        <translation>%1 等待中</translation>
    </message>
    <message>
        <source>%1 OPEN</source>
        <translation>%1 已開啟</translation>
    </message>
    <message>
        <source>%1 CLOSED</source>
        <translation>%1 已關閉</translation>
    </message>
    <message>
        <source>waiting for the device to come back</source>
        <translation>等待裝置重新連線</translation>
    </message>
    <message>
        <source>Select a serial port first.</source>
        <translation>請先選擇序列埠。</translation>
    </message>
    <message>
        <source>%1 opened · %2</source>
        <translation>%1 已開啟 · %2</translation>
    </message>
    <message>
        <source>Port closed</source>
        <translation>序列埠已關閉</translation>
    </message>
    <message>
        <source>The download folder %1 is a link; remove it and try again.</source>
        <translation>下載資料夾 %1 是一個連結；請刪除後再試一次。</translation>
    </message>
    <message>
        <source>The download folder %1 belongs to another user; remove it and try again.</source>
        <translation>下載資料夾 %1 屬於其他使用者；請刪除後再試一次。</translation>
    </message>
    <message>
        <source>No update server configured (.env) -- using the bundled command library only.</source>
        <translation>未設定更新伺服器（.env）——僅使用內建的指令庫。</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>正在檢查更新…</translation>
    </message>
    <message>
        <source>Command library is up to date (%1).</source>
        <translation>指令庫已是最新版本（%1）。</translation>
    </message>
    <message>
        <source>Version %1 is available, but requires app version %2 or later -- please update the app first.</source>
        <translation>版本 %1 已推出，但需要應用程式版本 %2 或更新版本——請先更新應用程式。</translation>
    </message>
    <message>
        <source>Version %1 is available.</source>
        <translation>版本 %1 已推出。</translation>
    </message>
    <message>
        <source>Downloading…</source>
        <translation>正在下載…</translation>
    </message>
    <message>
        <source>Downloaded data could not be applied: %1</source>
        <translation>無法套用下載的資料：%1</translation>
    </message>
    <message>
        <source>Updated to %1.</source>
        <translation>已更新至 %1。</translation>
    </message>
    <message>
        <source>No update server configured (.env).</source>
        <translation>未設定更新伺服器（.env）。</translation>
    </message>
    <message>
        <source>You&apos;re on the latest version (%1).</source>
        <translation>目前已是最新版本（%1）。</translation>
    </message>
    <message>
        <source>Version %1 is available, but requires updating from version %2 or later first -- please reinstall the app before trying again.</source>
        <translation>版本 %1 已推出，但只能從 %2 或更新的版本更新——請重新安裝應用程式後再試一次。</translation>
    </message>
    <message>
        <source>No temporary-files folder is available for the download.</source>
        <translation>沒有可用於下載的暫存資料夾。</translation>
    </message>
    <message>
        <source>Downloading update…</source>
        <translation>正在下載更新…</translation>
    </message>
    <message>
        <source>Download cancelled.</source>
        <translation>下載已取消。</translation>
    </message>
    <message>
        <source>Installing update %1…</source>
        <translation>正在安裝更新 %1…</translation>
    </message>
    <message>
        <source>Self-update isn&apos;t supported on this platform yet -- please download the new version manually.</source>
        <translation>此平台尚不支援自動更新——請手動下載新版本。</translation>
    </message>
    <message>
        <source>Not put into the send box: %L1 characters are more than a command may be (%L2).</source>
        <translation>未放入傳送框：%L1 個字元超過了命令允許的長度（%L2）。</translation>
    </message>
    <message>
        <source>Filled in, this command would be longer than %L1 characters, more than a command may be; check the values.</source>
        <translation>填入參數後，此命令將超過 %L1 個字元，超出命令允許的長度；請檢查參數值。</translation>
    </message>
    <message numerus="yes">
        <source>The continuous log %1 is written again. Lines that could not be written to it: %n (%2); a line in the file marks where.</source>
        <translation>
            <numerusform>連續日誌 %1 已恢復寫入。未能寫入的行：%n（%2）；檔案中有一行標出了位置。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lines that never reached the continuous log %1: %n (%2).</source>
        <translation>
            <numerusform>未能寫入連續日誌 %1 的行：%n（%2）。</numerusform>
        </translation>
    </message>
    <message>
        <source>The new command library is in use, but it could not be kept for the next start: %1</source>
        <translation>新的命令庫已在使用，但無法保存以供下次啟動使用：%1</translation>
    </message>
    <message>
        <source>Send mode switched to ASCII: this command is text.</source>
        <translation>傳送模式已切換為 ASCII：此命令為文字。</translation>
    </message>
    <message>
        <source>Serial settings of %1 now shown for the next open: %2</source>
        <translation>已顯示 %1 的序列埠設定，供下次開啟使用：%2</translation>
    </message>
    <message>
        <source>[file %1 · bytes sent: %L2]</source>
        <translation>[檔案 %1 · 已送出位元組：%L2]</translation>
    </message>
    <message>
        <source>%1 sent.</source>
        <translation>%1 已送出。</translation>
    </message>
    <message>
        <source>Sending %1 cancelled; bytes sent: %L2.</source>
        <translation>已取消送出 %1；已送出位元組：%L2。</translation>
    </message>
</context>
<context>
    <name>BatchStepReply</name>
    <message>
        <source>Wait for</source>
        <translation>等待</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>無</translation>
    </message>
    <message>
        <source>text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>regular expression</source>
        <translation>正規表示式</translation>
    </message>
    <message>
        <source>hex bytes</source>
        <translation>十六進位位元組</translation>
    </message>
    <message>
        <source>e.g. 01 03 ?? ??</source>
        <translation>例如 01 03 ?? ??</translation>
    </message>
    <message>
        <source>e.g. T=[0-9]+</source>
        <translation>例如 T=[0-9]+</translation>
    </message>
    <message>
        <source>e.g. OK</source>
        <translation>例如 OK</translation>
    </message>
    <message>
        <source>If no reply within</source>
        <translation>若在</translation>
    </message>
    <message>
        <source>ms:</source>
        <translation>毫秒內無回覆：</translation>
    </message>
    <message>
        <source>stop the batch</source>
        <translation>停止批次指令</translation>
    </message>
    <message>
        <source>go on</source>
        <translation>繼續</translation>
    </message>
</context>
<context>
    <name>CommandLibraryPanel</name>
    <message>
        <source>Device model · Model</source>
        <translation>裝置型號 · Model</translation>
    </message>
    <message>
        <source>Search commands</source>
        <translation>搜尋指令</translation>
    </message>
    <message>
        <source>Drag a row to reorder</source>
        <translation>拖曳列可調整順序</translation>
    </message>
    <message>
        <source>Batch commands</source>
        <translation>批次指令</translation>
    </message>
    <message>
        <source>New template</source>
        <translation>新增範本</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編輯</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Edit template</source>
        <translation>編輯範本</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>e.g. Reset device</source>
        <translation>例如：重設裝置</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>內容</translation>
    </message>
    <message>
        <source>The literal text to send</source>
        <translation>依原樣傳送的文字</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>No batch commands yet</source>
        <translation>尚無批次指令</translation>
    </message>
    <message>
        <source>%1 steps · %2 ms interval</source>
        <translation>%1 個步驟 · 間隔 %2 ms</translation>
    </message>
    <message>
        <source>■ Stop</source>
        <translation>■ 停止</translation>
    </message>
    <message>
        <source>▶ Run</source>
        <translation>▶ 執行</translation>
    </message>
    <message>
        <source>New batch</source>
        <translation>新增批次指令</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Edit batch command</source>
        <translation>編輯批次指令</translation>
    </message>
    <message>
        <source>New batch command</source>
        <translation>新增批次指令</translation>
    </message>
    <message>
        <source>e.g. Startup sequence</source>
        <translation>例如：啟動序列</translation>
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
        <translation>步驟</translation>
    </message>
    <message>
        <source>Command text</source>
        <translation>指令文字</translation>
    </message>
    <message>
        <source>CRC</source>
        <translation>CRC</translation>
    </message>
    <message>
        <source>Add step</source>
        <translation>新增步驟</translation>
    </message>
    <message>
        <source>Delete template</source>
        <translation>刪除範本</translation>
    </message>
    <message>
        <source>Delete the template &quot;%1&quot;? This cannot be undone.</source>
        <translation>刪除範本「%1」？此操作無法復原。</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Korvel Serial Assistant: a serial terminal for Korvel sensors and any other serial device.</source>
        <translation>Korvel 序列埠助手：適用於 Korvel 感測器及其他任何序列裝置的序列埠終端機。</translation>
    </message>
    <message>
        <source>Choose the port PATH: a name from the port list (ttyUSB0) or any device path (/dev/serial/by-id/..., /tmp/hx4).</source>
        <translation>選擇連接埠 PATH：連接埠清單中的名稱（ttyUSB0）或任何裝置路徑（/dev/serial/by-id/...、/tmp/hx4）。</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>PATH</translation>
    </message>
    <message>
        <source>Use N bits per second, one of %1.</source>
        <translation>使用 N 鮑（位元/秒），可選值：%1。</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Open the port at start-up, with the serial settings the window shows.</source>
        <translation>啟動時依視窗中顯示的序列埠設定開啟連接埠。</translation>
    </message>
    <message>
        <source>Run &quot;%1 --help&quot; to see the options.</source>
        <translation>執行「%1 --help」以查看可用選項。</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;.</source>
        <translation>非預期的引數「%1」。</translation>
    </message>
    <message>
        <source>--port needs a port name or a device path.</source>
        <translation>--port 需要連接埠名稱或裝置路徑。</translation>
    </message>
    <message>
        <source>--baud: &quot;%1&quot; is not a baud rate the window offers (%2).</source>
        <translation>--baud：「%1」不是視窗提供的鮑率（%2）。</translation>
    </message>
</context>
<context>
    <name>CommandParamsPanel</name>
    <message>
        <source>Needs parameters</source>
        <translation>需要參數</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>插入</translation>
    </message>
</context>
<context>
    <name>ControlLines</name>
    <message>
        <source>Reset device pulses RTS, which RTS/CTS flow control drives: choose DTR for the reset.</source>
        <translation>重設裝置需要切換 RTS，而 RTS 由 RTS/CTS 流量控制驅動：請為重設選擇 DTR。</translation>
    </message>
    <message>
        <source>Reset device: %1 pulsed for %2 ms.</source>
        <translation>重設裝置：%1 脈衝 %2 ms。</translation>
    </message>
    <message>
        <source>The port did not send a break.</source>
        <translation>連接埠未能送出中斷訊號。</translation>
    </message>
    <message>
        <source>Break sent (%1 ms).</source>
        <translation>已送出中斷訊號（%1 ms）。</translation>
    </message>
    <message>
        <source>This port has no modem control lines.</source>
        <translation>此連接埠沒有數據機控制線。</translation>
    </message>
</context>
<context>
    <name>ControlLinesPanel</name>
    <message>
        <source>This port has no modem control lines.</source>
        <translation>此連接埠沒有數據機控制線。</translation>
    </message>
    <message>
        <source>Control lines</source>
        <translation>控制線</translation>
    </message>
    <message>
        <source>RTS/CTS flow control drives RTS while the port is open.</source>
        <translation>連接埠開啟期間 RTS 由 RTS/CTS 流量控制驅動。</translation>
    </message>
    <message>
        <source>Reset device</source>
        <translation>重設裝置</translation>
    </message>
    <message>
        <source>Assert DTR after opening</source>
        <translation>開啟後設定 DTR</translation>
    </message>
    <message>
        <source>Assert RTS after opening</source>
        <translation>開啟後設定 RTS</translation>
    </message>
    <message>
        <source>Reset pulses</source>
        <translation>重設脈衝線</translation>
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
        <translation>資料監視器</translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation>%1 行</translation>
    </message>
    <message>
        <source>Rx %1</source>
        <translation>接收 %1</translation>
    </message>
    <message>
        <source>Tx %1</source>
        <translation>傳送 %1</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Clear log</source>
        <translation>清除記錄</translation>
    </message>
    <message>
        <source>Save log…</source>
        <translation>儲存記錄…</translation>
    </message>
    <message numerus="yes">
        <source>Paused · %n new lines</source>
        <translation>
            <numerusform>已暫停 · %n 行新資料</numerusform>
        </translation>
    </message>
    <message>
        <source>The log is full: the lines in view are being dropped.</source>
        <translation>日誌已滿：正在顯示的行正被捨棄。</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>繼續</translation>
    </message>
    <message>
        <source>Show as JSON</source>
        <translation>以 JSON 顯示</translation>
    </message>
</context>
<context>
    <name>DeviceLibraryUpdateClient</name>
    <message>
        <source>Remote update server not configured (.env).</source>
        <translation>未設定遠端更新伺服器（.env）。</translation>
    </message>
    <message>
        <source>Malformed response: %1</source>
        <translation>回應格式錯誤：%1</translation>
    </message>
    <message>
        <source>Checksum mismatch -- downloaded data may be corrupted.</source>
        <translation>總和檢查碼不符——下載的資料可能已損毀。</translation>
    </message>
    <message>
        <source>Response has no models[] array.</source>
        <translation>回應中缺少 models[] 陣列。</translation>
    </message>
</context>
<context>
    <name>DriverHintDialog</name>
    <message>
        <source>Serial driver may be missing</source>
        <translation>可能缺少序列埠驅動程式</translation>
    </message>
    <message>
        <source>Download driver</source>
        <translation>下載驅動程式</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>The CH340 USB-to-serial driver doesn&apos;t appear to be installed on this computer. Without it, a connected Korvel device won&apos;t show up as an available serial port.</source>
        <translation>這部電腦似乎未安裝 CH340 USB 轉序列埠驅動程式。若未安裝，已連接的 Korvel 裝置將不會顯示為可用的序列埠。</translation>
    </message>
    <message>
        <source>Don&apos;t show this again</source>
        <translation>不再顯示</translation>
    </message>
</context>
<context>
    <name>DriverListDialog</name>
    <message>
        <source>Driver downloads</source>
        <translation>驅動程式下載</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>No drivers are relevant on this platform.</source>
        <translation>此平台不需要任何驅動程式。</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>已安裝</translation>
    </message>
    <message>
        <source>Not detected</source>
        <translation>未偵測到</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下載</translation>
    </message>
    <message>
        <source>USB-to-serial driver used by most Korvel devices</source>
        <translation>大多數 Korvel 裝置使用的 USB 轉序列埠驅動程式</translation>
    </message>
</context>
<context>
    <name>FieldMonitor</name>
    <message numerus="yes">
        <source>Only the first %1 fields are kept. Not added (%n or more): %2.</source>
        <translation>
            <numerusform>僅保留前 %1 個欄位。未新增（%n 個或更多）：%2。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only the first %1 fields are kept. Not added (%n): %2.</source>
        <translation>
            <numerusform>僅保留前 %1 個欄位。未新增（%n 個）：%2。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lines not read (%n): broken JSON, nested deeper than %1 levels or longer than %2 KiB.</source>
        <translation>
            <numerusform>未讀取的行（%n）：JSON 損毀、巢狀超過 %1 層或長度超過 %2 KiB。</numerusform>
        </translation>
    </message>
    <message>
        <source>This line is no longer in the log.</source>
        <translation>此行已不在記錄中。</translation>
    </message>
    <message>
        <source>Enter a file name.</source>
        <translation>請輸入檔案名稱。</translation>
    </message>
</context>
<context>
    <name>FieldPlot</name>
    <message>
        <source>The picture could not be written to %1.</source>
        <translation>無法將圖片寫入 %1。</translation>
    </message>
</context>
<context>
    <name>FieldsPanel</name>
    <message>
        <source>Saved to %1</source>
        <translation>已儲存至 %1</translation>
    </message>
    <message>
        <source>Fields</source>
        <translation>欄位</translation>
    </message>
    <message>
        <source>The fields of received JSON objects, label:value lines and lines of numbers appear here, with a live plot.</source>
        <translation>收到的 JSON 物件、label:value 行和數字行的欄位會顯示在這裡，並附有即時曲線。</translation>
    </message>
    <message>
        <source>10 s</source>
        <translation>10 秒</translation>
    </message>
    <message>
        <source>1 min</source>
        <translation>1 分鐘</translation>
    </message>
    <message>
        <source>10 min</source>
        <translation>10 分鐘</translation>
    </message>
    <message>
        <source>All kept</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>Time shown in the plot</source>
        <translation>曲線顯示的時間範圍</translation>
    </message>
    <message>
        <source>Fit values</source>
        <translation>自動縮放</translation>
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
        <translation>暫停曲線</translation>
    </message>
    <message>
        <source>Clear fields</source>
        <translation>清除欄位</translation>
    </message>
    <message>
        <source>Save plot as PNG…</source>
        <translation>將曲線儲存為 PNG…</translation>
    </message>
    <message>
        <source>Save samples as CSV…</source>
        <translation>將取樣儲存為 CSV…</translation>
    </message>
    <message>
        <source>Hide fields</source>
        <translation>隱藏欄位</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>欄位</translation>
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
        <translation>次/秒</translation>
    </message>
    <message>
        <source>Samples</source>
        <translation>樣本</translation>
    </message>
    <message>
        <source>Tick numeric fields in the table to plot them.</source>
        <translation>在表格中勾選數值欄位即可繪製曲線。</translation>
    </message>
    <message>
        <source>Save plot as PNG</source>
        <translation>將曲線儲存為 PNG</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG 影像 (*.png)</translation>
    </message>
    <message>
        <source>Save samples as CSV</source>
        <translation>將取樣儲存為 CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 檔案 (*.csv)</translation>
    </message>
</context>
<context>
    <name>FileSendDialog</name>
    <message>
        <source>Send file</source>
        <translation>送出檔案</translation>
    </message>
    <message>
        <source>File to send</source>
        <translation>要送出的檔案</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>瀏覽…</translation>
    </message>
    <message>
        <source>Raw bytes, as they are in the file</source>
        <translation>原始位元組，與檔案中相同</translation>
    </message>
    <message>
        <source>Text, line by line, each line ended by %1</source>
        <translation>文字，逐行送出，每行以 %1 結尾</translation>
    </message>
    <message>
        <source>Pause after each line or piece</source>
        <translation>每行或每塊後暫停</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>傳送</translation>
    </message>
</context>
<context>
    <name>FileSendProgress</name>
    <message>
        <source>Sending %1</source>
        <translation>正在送出 %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>%1 of %2 sent</source>
        <translation>已送出 %1 / %2</translation>
    </message>
    <message>
        <source>%1 of %2 sent · about %L3 s left</source>
        <translation>已送出 %1 / %2 · 約剩 %L3 秒</translation>
    </message>
</context>
<context>
    <name>FileSender</name>
    <message>
        <source>The port closed before the whole file was sent.</source>
        <translation>整個檔案送出前連接埠已關閉。</translation>
    </message>
    <message>
        <source>A file is being sent already.</source>
        <translation>已有檔案正在送出。</translation>
    </message>
    <message>
        <source>Port is not open — click &quot;Open port&quot; first.</source>
        <translation>序列埠未開啟——請先按一下「開啟序列埠」。</translation>
    </message>
    <message>
        <source>Cannot send %1: %2</source>
        <translation>無法送出 %1：%2</translation>
    </message>
    <message>
        <source>Reading %1 failed: %2</source>
        <translation>讀取 %1 失敗：%2</translation>
    </message>
    <message>
        <source>The port did not take the data of %1.</source>
        <translation>連接埠未接收 %1 的資料。</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Searching…</source>
        <translation>搜尋中…</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>無相符項目</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n 個相符</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n</source>
        <translation>
            <numerusform>第 %1 個，共 %n 個</numerusform>
        </translation>
    </message>
    <message>
        <source>Find bytes (hex, e.g. 0A 01 7F)</source>
        <translation>尋找位元組（十六進位，例如 0A 01 7F）</translation>
    </message>
    <message>
        <source>Find in the log</source>
        <translation>在記錄中尋找</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>規則運算式</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>區分大小寫</translation>
    </message>
    <message>
        <source>Search received lines</source>
        <translation>搜尋接收的行</translation>
    </message>
    <message>
        <source>Search sent lines</source>
        <translation>搜尋傳送的行</translation>
    </message>
    <message>
        <source>Search notices</source>
        <translation>搜尋通知</translation>
    </message>
    <message>
        <source>Search errors</source>
        <translation>搜尋錯誤</translation>
    </message>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation>上一個相符 (Shift+F3)</translation>
    </message>
    <message>
        <source>Next match (F3)</source>
        <translation>下一個相符 (F3)</translation>
    </message>
    <message>
        <source>Only matches</source>
        <translation>僅相符項目</translation>
    </message>
    <message>
        <source>Show only the lines that match</source>
        <translation>只顯示相符的行</translation>
    </message>
    <message numerus="yes">
        <source>%n lines hidden</source>
        <translation>
            <numerusform>已隱藏 %n 行</numerusform>
        </translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>關閉 (Esc)</translation>
    </message>
</context>
<context>
    <name>FramingOptions</name>
    <message>
        <source>Lines</source>
        <translation>按行</translation>
    </message>
    <message>
        <source>Frames by silence</source>
        <translation>依靜默分幀</translation>
    </message>
    <message>
        <source>Frame pause</source>
        <translation>幀間隔</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>With CRC on, each frame is marked by its CRC-16/MODBUS.</source>
        <translation>開啟 CRC 時，每幀依其 CRC-16/MODBUS 標記。</translation>
    </message>
</context>
<context>
    <name>HighlightRuleModel</name>
    <message numerus="yes">
        <source>No more than %n rules can be kept.</source>
        <translation>
            <numerusform>最多只能保存 %n 條規則。</numerusform>
        </translation>
    </message>
    <message>
        <source>The rule needs a pattern.</source>
        <translation>規則需要一個模式。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour of the palette.</source>
        <translation>「%1」不是調色盤中的顏色。</translation>
    </message>
</context>
<context>
    <name>HighlightRulesEditor</name>
    <message>
        <source>No rules yet: lines keep the monitor&apos;s colours.</source>
        <translation>尚無規則：各行保持監視器的顏色。</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編輯</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Text to colour, e.g. ERROR</source>
        <translation>要著色的文字，例如 ERROR</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>規則運算式</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Save rule</source>
        <translation>儲存規則</translation>
    </message>
    <message>
        <source>Add rule</source>
        <translation>新增規則</translation>
    </message>
    <message>
        <source>Highlight rules</source>
        <translation>醒目提示規則</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>JsonLineDialog</name>
    <message>
        <source>Line as JSON</source>
        <translation>以 JSON 顯示的行</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>JsonText</name>
    <message>
        <source>the line ends before the JSON value is complete</source>
        <translation>JSON 值尚未完整，行就結束了</translation>
    </message>
    <message>
        <source>a value was expected</source>
        <translation>此處應為一個值</translation>
    </message>
    <message>
        <source>a key in double quotes was expected</source>
        <translation>此處應為雙引號括起的鍵</translation>
    </message>
    <message>
        <source>&quot;:&quot; was expected after the key</source>
        <translation>鍵之後應為 &quot;:&quot;</translation>
    </message>
    <message>
        <source>&quot;,&quot; or &quot;}&quot; was expected</source>
        <translation>此處應為 &quot;,&quot; 或 &quot;}&quot;</translation>
    </message>
    <message>
        <source>&quot;,&quot; or &quot;]&quot; was expected</source>
        <translation>此處應為 &quot;,&quot; 或 &quot;]&quot;</translation>
    </message>
    <message>
        <source>the number is malformed</source>
        <translation>數字格式錯誤</translation>
    </message>
    <message>
        <source>a string holds an unknown escape sequence</source>
        <translation>字串含有未知的跳脫序列</translation>
    </message>
    <message>
        <source>a string holds a control character</source>
        <translation>字串含有控制字元</translation>
    </message>
    <message>
        <source>a string holds bytes that are not UTF-8</source>
        <translation>字串含有非 UTF-8 位元組</translation>
    </message>
    <message>
        <source>it is nested deeper than %1 levels</source>
        <translation>巢狀超過 %1 層</translation>
    </message>
    <message>
        <source>more text follows the JSON value</source>
        <translation>JSON 值後面還有多餘的文字</translation>
    </message>
    <message>
        <source>The line is too long to show as JSON (%1 bytes).</source>
        <translation>該行太長，無法以 JSON 顯示（%1 位元組）。</translation>
    </message>
    <message>
        <source>The line is empty: it holds no JSON.</source>
        <translation>該行為空，不含 JSON。</translation>
    </message>
    <message>
        <source>Not valid JSON from character %1 on: %2.</source>
        <translation>從第 %1 個字元起不是有效的 JSON：%2。</translation>
    </message>
</context>
<context>
    <name>LibraryCache</name>
    <message>
        <source>The library is larger than %1 bytes.</source>
        <translation>該庫大於 %1 位元組。</translation>
    </message>
</context>
<context>
    <name>LineEndChooser</name>
    <message>
        <source>Line end</source>
        <translation>行尾</translation>
    </message>
</context>
<context>
    <name>LogFileWriter</name>
    <message>
        <source>the disk did not keep up with the lines</source>
        <translation>磁碟寫入跟不上行的速度</translation>
    </message>
</context>
<context>
    <name>LogListModel</name>
    <message>
        <source>[CRC ok]</source>
        <translation>[CRC 正確]</translation>
    </message>
    <message>
        <source>[CRC bad]</source>
        <translation>[CRC 錯誤]</translation>
    </message>
</context>
<context>
    <name>LogManager</name>
    <message numerus="yes">
        <source>Lines that could not be written here: %n (%1)</source>
        <translation>
            <numerusform>此處未能寫入的行：%n（%1）</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LogMatcher</name>
    <message numerus="yes">
        <source>The pattern is longer than %n characters.</source>
        <translation>
            <numerusform>模式超過 %n 個字元。</numerusform>
        </translation>
    </message>
    <message>
        <source>Invalid regular expression: %1 (at character %2)</source>
        <translation>無效的規則運算式：%1（第 %2 個字元）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; at position %2 is not a hex digit.</source>
        <translation>位置 %2 的「%1」不是十六進位數字。</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Korvel Serial Assistant</source>
        <translation>Korvel 序列埠助手</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>Save log</source>
        <translation>儲存記錄</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編輯(&amp;E)</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>連接埠(&amp;P)</translation>
    </message>
    <message>
        <source>Open device path…</source>
        <translation>開啟裝置路徑…</translation>
    </message>
    <message>
        <source>Reconnect automatically</source>
        <translation>自動重新連線</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>檢視(&amp;V)</translation>
    </message>
    <message>
        <source>Pause scrolling</source>
        <translation>暫停捲動</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>工具(&amp;T)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <source>Driver downloads</source>
        <translation>驅動程式下載</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>傳送</translation>
    </message>
    <message>
        <source>Serial driver not installed — click for details</source>
        <translation>未安裝序列埠驅動程式——按一下查看詳細資訊</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>不再提示</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>序列埠</translation>
    </message>
    <message>
        <source>Device commands</source>
        <translation>裝置指令</translation>
    </message>
    <message>
        <source>Failed to open port</source>
        <translation>無法開啟序列埠</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Stop continuous logging</source>
        <translation>停止持續記錄</translation>
    </message>
    <message>
        <source>Clear monitor</source>
        <translation>清除監視器</translation>
    </message>
    <message>
        <source>Close port</source>
        <translation>關閉序列埠</translation>
    </message>
    <message>
        <source>Open port</source>
        <translation>開啟序列埠</translation>
    </message>
    <message>
        <source>Check for updates…</source>
        <translation>檢查更新…</translation>
    </message>
    <message>
        <source>Fields and plot</source>
        <translation>欄位與曲線</translation>
    </message>
    <message>
        <source>Find…</source>
        <translation>尋找…</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>尋找</translation>
    </message>
    <message>
        <source>Reset device</source>
        <translation>重設裝置</translation>
    </message>
    <message>
        <source>Send break</source>
        <translation>送出中斷訊號</translation>
    </message>
    <message>
        <source>Send file…</source>
        <translation>送出檔案…</translation>
    </message>
</context>
<context>
    <name>PortAccess</name>
    <message>
        <source>%1 does not exist. Check the path, and that the device is plugged in.</source>
        <translation>%1 不存在。請檢查路徑，並確認裝置已連接。</translation>
    </message>
    <message>
        <source>%1 is a folder, not a serial device.</source>
        <translation>%1 是資料夾，不是序列裝置。</translation>
    </message>
    <message>
        <source>%1 is a regular file, not a serial device.</source>
        <translation>%1 是一般檔案，不是序列裝置。</translation>
    </message>
    <message>
        <source>%1 is not a serial device.</source>
        <translation>%1 不是序列裝置。</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>無法開啟 %1：%2。</translation>
    </message>
    <message>
        <source>It is not a serial device.</source>
        <translation>它不是序列裝置。</translation>
    </message>
    <message>
        <source>To get access on Linux, add your user to the group that owns the device (%1), for example with &quot;sudo usermod -aG %1 $USER&quot;, then log out and log in again.</source>
        <translation>若要在 Linux 上取得存取權限，請將您的使用者加入擁有該裝置的群組（%1），例如執行「sudo usermod -aG %1 $USER」，然後登出再重新登入。</translation>
    </message>
    <message>
        <source>It is in use by another program: %1 (process %2). Close the port there, then try again.</source>
        <translation>此連接埠正由其他程式使用：%1（處理程序 %2）。請在該程式中關閉連接埠後再試一次。</translation>
    </message>
    <message>
        <source>It is in use by another program (process %1). Close the port there, then try again.</source>
        <translation>此連接埠正由其他程式使用（處理程序 %1）。請在該程式中關閉連接埠後再試一次。</translation>
    </message>
    <message>
        <source>It is in use by another program. Close the port there, then try again.</source>
        <translation>此連接埠正由其他程式使用。請在該程式中關閉連接埠後再試一次。</translation>
    </message>
</context>
<context>
    <name>PortComboBox</name>
    <message>
        <source>No ports found</source>
        <translation>找不到序列埠</translation>
    </message>
    <message>
        <source>Open a device path…</source>
        <translation>開啟裝置路徑…</translation>
    </message>
    <message>
        <source>A device the list does not show</source>
        <translation>清單中未顯示的裝置</translation>
    </message>
    <message>
        <source>Device path</source>
        <translation>裝置路徑</translation>
    </message>
    <message>
        <source>Unknown device</source>
        <translation>未知的裝置</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>路徑</translation>
    </message>
    <message>
        <source>%1 is gone</source>
        <translation>%1 已消失</translation>
    </message>
    <message>
        <source>Choose a port</source>
        <translation>請選擇連接埠</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>no temporary-files folder is available for the update</source>
        <translation>沒有可用於更新的暫存資料夾</translation>
    </message>
    <message>
        <source>could not start &apos;tar&apos; (bundled with Windows 10 1803+/Windows 11) -- %1</source>
        <translation>無法啟動「tar」（Windows 10 1803+/Windows 11 內建）——%1</translation>
    </message>
    <message>
        <source>&apos;tar&apos; timed out extracting the update</source>
        <translation>解壓縮更新時「tar」逾時</translation>
    </message>
    <message>
        <source>&apos;tar&apos; failed (exit %1): %2</source>
        <translation>「tar」執行失敗（結束代碼 %1）：%2</translation>
    </message>
    <message>
        <source>downloaded archive doesn&apos;t contain %1 -- not a valid release package</source>
        <translation>下載的封存檔不包含 %1——不是有效的發行套件</translation>
    </message>
    <message>
        <source>could not write updater script to %1: %2</source>
        <translation>無法將更新指令碼寫入 %1：%2</translation>
    </message>
    <message>
        <source>the update service published no checksum for this package -- it can&apos;t be verified</source>
        <translation>更新服務未發布此更新套件的總和檢查碼——無法驗證</translation>
    </message>
    <message>
        <source>the downloaded update doesn&apos;t match its published checksum -- it may be damaged or tampered with</source>
        <translation>下載的更新與發布的總和檢查碼不符——可能已損毀或遭竄改</translation>
    </message>
    <message>
        <source>could not start the updater script %1</source>
        <translation>無法啟動更新指令碼 %1</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>It is not a regular file.</source>
        <translation>它不是一般檔案。</translation>
    </message>
    <message>
        <source>It is larger than %1 bytes.</source>
        <translation>它大於 %1 位元組。</translation>
    </message>
</context>
<context>
    <name>RemoteAssistPanel</name>
    <message>
        <source>Remote support</source>
        <translation>遠端協助</translation>
    </message>
    <message>
        <source>Send the code below to Korvel support so they can connect to your computer and help diagnose device issues.</source>
        <translation>請將下方代碼傳送給 Korvel 技術支援，讓他們連線到您的電腦並協助診斷裝置問題。</translation>
    </message>
    <message>
        <source>Your code</source>
        <translation>您的代碼</translation>
    </message>
    <message>
        <source>Valid for 10 minutes · this session only</source>
        <translation>10 分鐘內有效 · 僅限本次工作階段</translation>
    </message>
    <message>
        <source>Copy code</source>
        <translation>複製代碼</translation>
    </message>
    <message>
        <source>Regenerate</source>
        <translation>重新產生</translation>
    </message>
    <message>
        <source>One-time password</source>
        <translation>一次性密碼</translation>
    </message>
    <message>
        <source>Allow support to send/receive on the serial port</source>
        <translation>允許技術支援透過序列埠收發資料</translation>
    </message>
    <message>
        <source>Share this session&apos;s log</source>
        <translation>分享本次工作階段的記錄</translation>
    </message>
    <message>
        <source>Allow full desktop control</source>
        <translation>允許完全控制桌面</translation>
    </message>
    <message>
        <source>Start session</source>
        <translation>開始工作階段</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>未連線</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Remote support requires a signaling/relay service that this build does not include yet. The session code and permissions above are ready to wire up once that transport exists.</source>
        <translation>遠端協助需要信令/中繼服務，而此版本尚未包含該服務。待該傳輸通道就緒後，上方的工作階段代碼與權限即可直接接上。</translation>
    </message>
</context>
<context>
    <name>ReplyGuard</name>
    <message numerus="yes">
        <source>The transfer did not finish in time (%n s).</source>
        <translation>
            <numerusform>傳輸未能按時完成（%n 秒）。</numerusform>
        </translation>
    </message>
    <message>
        <source>The answer is larger than %1 bytes, more than this request can need.</source>
        <translation>回應大於 %1 位元組，超出此請求可能需要的大小。</translation>
    </message>
    <message numerus="yes">
        <source>The download made no progress for %n s.</source>
        <translation>
            <numerusform>下載在 %n 秒內沒有進展。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReplyPattern</name>
    <message>
        <source>&quot;%1&quot; at position %2 is neither a hex digit nor part of &quot;??&quot;.</source>
        <translation>第 %2 個位置的「%1」既不是十六進位數字，也不是「??」的一部分。</translation>
    </message>
    <message>
        <source>Enter what the reply must contain.</source>
        <translation>請輸入回覆必須包含的內容。</translation>
    </message>
    <message>
        <source>text &quot;%1&quot;</source>
        <translation>文字「%1」</translation>
    </message>
    <message>
        <source>regular expression &quot;%1&quot;</source>
        <translation>正規表示式「%1」</translation>
    </message>
    <message>
        <source>hex bytes %1</source>
        <translation>十六進位位元組 %1</translation>
    </message>
</context>
<context>
    <name>ReplyWait</name>
    <message>
        <source>Step %1: the reply pattern cannot be used: %2</source>
        <translation>步驟 %1：回覆模式無法使用：%2</translation>
    </message>
    <message>
        <source>Step %1: waiting up to %2 ms for a reply matching %3.</source>
        <translation>步驟 %1：正在等待與 %3 相符的回覆，最多 %2 毫秒。</translation>
    </message>
    <message>
        <source>Step %1: the port closed while waiting for the reply.</source>
        <translation>步驟 %1：等待回覆時連接埠已關閉。</translation>
    </message>
    <message>
        <source>Step %1: a reply matching %2 came after %3 ms.</source>
        <translation>步驟 %1：%3 毫秒後收到與 %2 相符的回覆。</translation>
    </message>
    <message>
        <source>Step %1: no reply matching %2 within %3 ms; going on.</source>
        <translation>步驟 %1：%3 毫秒內沒有與 %2 相符的回覆；繼續執行。</translation>
    </message>
    <message>
        <source>Step %1: no reply matching %2 within %3 ms.</source>
        <translation>步驟 %1：%3 毫秒內沒有與 %2 相符的回覆。</translation>
    </message>
</context>
<context>
    <name>SaveLogDialog</name>
    <message>
        <source>Save session log</source>
        <translation>儲存工作階段記錄</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>檔案名稱</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>瀏覽…</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Plain text (.log)</source>
        <translation>純文字 (.log)</translation>
    </message>
    <message>
        <source>HEX dump</source>
        <translation>HEX 傾印</translation>
    </message>
    <message>
        <source>Continue logging to disk, rotating the file every day</source>
        <translation>持續記錄到磁碟，每天換用新檔案</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Logging now to %1</source>
        <translation>目前正在記錄到 %1</translation>
    </message>
    <message>
        <source>Saving stops logging to %1</source>
        <translation>儲存將停止記錄到 %1</translation>
    </message>
</context>
<context>
    <name>SendArea</name>
    <message>
        <source>Type data to send…</source>
        <translation>輸入要傳送的資料…</translation>
    </message>
    <message>
        <source>Send as</source>
        <translation>傳送格式</translation>
    </message>
    <message>
        <source>CRC16</source>
        <translation>CRC16</translation>
    </message>
    <message>
        <source>Enter sends · Shift+Enter new line</source>
        <translation>Enter 傳送 · Shift+Enter 換行</translation>
    </message>
    <message>
        <source>Ctrl+Enter sends</source>
        <translation>Ctrl+Enter 傳送</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>傳送</translation>
    </message>
    <message>
        <source>Send (Ctrl+Enter)</source>
        <translation>傳送 (Ctrl+Enter)</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>History</source>
        <translation>歷史記錄</translation>
    </message>
    <message>
        <source>Send history</source>
        <translation>傳送歷史記錄</translation>
    </message>
    <message>
        <source>Clear history</source>
        <translation>清除歷史記錄</translation>
    </message>
    <message>
        <source>No history yet</source>
        <translation>尚無歷史記錄</translation>
    </message>
</context>
<context>
    <name>SerialManager</name>
    <message>
        <source>Serial port %1 disconnected.</source>
        <translation>序列埠 %1 已中斷連線。</translation>
    </message>
</context>
<context>
    <name>SerialOptions</name>
    <message>
        <source>None</source>
        <comment>parity</comment>
        <translation>無</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>偶數</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>奇數</translation>
    </message>
    <message>
        <source>None</source>
        <comment>flow control</comment>
        <translation>無</translation>
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
        <translation>無</translation>
    </message>
</context>
<context>
    <name>SerialSettingsPanel</name>
    <message>
        <source>Port · PORT</source>
        <translation>序列埠 · PORT</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>連接埠</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>鮑率</translation>
    </message>
    <message>
        <source>Data bits</source>
        <translation>資料位元</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>同位檢查</translation>
    </message>
    <message>
        <source>Stop bits</source>
        <translation>停止位元</translation>
    </message>
    <message>
        <source>Flow control</source>
        <translation>流量控制</translation>
    </message>
    <message>
        <source>Close port</source>
        <translation>關閉序列埠</translation>
    </message>
    <message>
        <source>Stop waiting</source>
        <translation>停止等待</translation>
    </message>
    <message>
        <source>Open port</source>
        <translation>開啟序列埠</translation>
    </message>
    <message>
        <source>Reconnect automatically</source>
        <translation>自動重新連線</translation>
    </message>
    <message>
        <source>Receive · RECEIVE</source>
        <translation>接收 · RECEIVE</translation>
    </message>
    <message>
        <source>Show timestamp</source>
        <translation>顯示時間戳記</translation>
    </message>
    <message>
        <source>Wrap lines</source>
        <translation>自動換行</translation>
    </message>
    <message>
        <source>Echo sent data</source>
        <translation>回顯傳送資料</translation>
    </message>
    <message>
        <source>Transmit · TRANSMIT</source>
        <translation>傳送 · TRANSMIT</translation>
    </message>
    <message>
        <source>Append CRC (CRC16/MODBUS)</source>
        <translation>附加 CRC (CRC16/MODBUS)</translation>
    </message>
    <message>
        <source>Repeat send</source>
        <translation>定時傳送</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Open a device path</source>
        <translation>開啟裝置路徑</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Any serial device or pseudo-terminal, opened with the settings of the serial panel. Paths opened here stay in the port list while they exist.</source>
        <translation>任何序列裝置或虛擬終端機，將依序列埠面板的設定開啟。在此開啟的路徑只要仍存在，就會保留在連接埠清單中。</translation>
    </message>
</context>
<context>
    <name>ServiceRequest</name>
    <message>
        <source>The API key in .env holds a control character (such as NUL or a line break); it was not sent.</source>
        <translation>.env 中的 API 金鑰含有控制字元（如 NUL 或換行），未傳送。</translation>
    </message>
</context>
<context>
    <name>SettingsAboutDialog</name>
    <message>
        <source>Settings &amp; About</source>
        <translation>設定與關於</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>介面語言</translation>
    </message>
    <message>
        <source>System font</source>
        <translation>系統字型</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Data monitor font</source>
        <translation>資料監視器字型</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>佈景主題</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>淺色</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message>
        <source>Command library</source>
        <translation>指令庫</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>已是最新</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>有可用的更新</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>檢查更新</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Platform</source>
        <translation>平台</translation>
    </message>
    <message>
        <source>%1 (Qt %2)</source>
        <translation>%1 (Qt %2)</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>技術支援</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>裝置</translation>
    </message>
    <message>
        <source>Restore defaults</source>
        <translation>還原預設值</translation>
    </message>
    <message>
        <source>Download and apply</source>
        <translation>下載並套用</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>鍵盤</translation>
    </message>
    <message>
        <source>Enter sends (Shift+Enter for a new line)</source>
        <translation>Enter 傳送（Shift+Enter 換行）</translation>
    </message>
    <message numerus="yes">
        <source>%n models</source>
        <translation>
            <numerusform>%n 個型號</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n commands</source>
        <translation>
            <numerusform>%n 條命令</numerusform>
        </translation>
    </message>
    <message>
        <source>Highlight rules</source>
        <translation>醒目提示規則</translation>
    </message>
    <message>
        <source>Lines matching a pattern can be coloured.</source>
        <translation>可以為符合某個模式的行著色。</translation>
    </message>
    <message numerus="yes">
        <source>%n rules colour matching lines.</source>
        <translation>
            <numerusform>%n 條規則為相符的行著色。</numerusform>
        </translation>
    </message>
    <message>
        <source>Edit rules…</source>
        <translation>編輯規則…</translation>
    </message>
</context>
<context>
    <name>SoftwareUpdateClient</name>
    <message>
        <source>Update server not configured (.env).</source>
        <translation>未設定更新伺服器（.env）。</translation>
    </message>
    <message>
        <source>Malformed response: %1</source>
        <translation>回應格式錯誤：%1</translation>
    </message>
    <message>
        <source>Server reported an error.</source>
        <translation>伺服器回報錯誤。</translation>
    </message>
    <message>
        <source>This app isn&apos;t registered on the update server (slug &quot;%1&quot; not found).</source>
        <translation>此應用程式未在更新伺服器上註冊（找不到 slug「%1」）。</translation>
    </message>
    <message>
        <source>Download incomplete: received %1 of %2 bytes.</source>
        <translation>下載不完整：僅收到 %1 / %2 位元組。</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2</source>
        <translation>無法寫入 %1：%2</translation>
    </message>
    <message>
        <source>The package address &quot;%1&quot; is not an http or https address; nothing was fetched.</source>
        <translation>套件位址「%1」不是 http 或 https 位址，未下載任何內容。</translation>
    </message>
    <message>
        <source>The package is larger than the %1 bytes the update service announced.</source>
        <translation>套件大於更新服務宣告的 %1 位元組。</translation>
    </message>
</context>
<context>
    <name>SoftwareUpdateDialog</name>
    <message>
        <source>Software Update</source>
        <translation>軟體更新</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>稍後</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>立即更新</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重試</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Version %1 is available (you have %2)</source>
        <translation>版本 %1 已推出（目前版本 %2）</translation>
    </message>
    <message>
        <source>This update is required to keep using the app.</source>
        <translation>必須安裝此更新才能繼續使用本應用程式。</translation>
    </message>
    <message>
        <source>Open download page</source>
        <translation>開啟下載頁面</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Batch %1 · step %2</source>
        <translation>批次 %1 · 第 %2 步</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Logging to %1</source>
        <translation>正在記錄到 %1</translation>
    </message>
    <message>
        <source>%1 — click to open its folder</source>
        <translation>%1 — 按一下開啟所在資料夾</translation>
    </message>
</context>
</TS>
