<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Korvel Serial Assistant</source>
        <translation>Korvel 串口助手</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>A serial terminal for Korvel&apos;s USB sensors and other devices that talk JSON or text over a serial line.</source>
        <translation>适用于 Korvel USB 传感器及其他通过串口收发 JSON 或文本的设备的串口终端。</translation>
    </message>
    <message>
        <source>Build time</source>
        <translation>构建时间</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>公司</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>网站</translation>
    </message>
    <message>
        <source>Built with Qt %1, used under the GNU Lesser General Public License v3 (LGPLv3). Qt is a trademark of The Qt Company Ltd. Qt is linked dynamically: its libraries may be replaced with a compatible LGPLv3 build.</source>
        <translation>基于 Qt %1 构建，依据 GNU 宽通用公共许可证第 3 版（LGPLv3）使用。Qt 是 The Qt Company Ltd. 的商标。Qt 以动态方式链接：其库可替换为兼容的 LGPLv3 版本。</translation>
    </message>
</context>
<context>
    <name>AppController</name>
    <message>
        <source>%1 bytes that had not gone out yet were discarded.</source>
        <translation>已丢弃尚未发出的 %1 字节。</translation>
    </message>
    <message>
        <source>Settings cannot be saved to %1; changes last only until the application ends.</source>
        <translation>无法将设置保存到 %1；更改仅在本次运行期间有效。</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Port is not open — click &quot;Open port&quot; first.</source>
        <translation>串口未打开——请先点击“打开串口”。</translation>
    </message>
    <message>
        <source>Batch &quot;%1&quot; started — %2 step(s).</source>
        <translation>批量指令“%1”开始执行——共 %2 步。</translation>
    </message>
    <message>
        <source>Batch &quot;%1&quot; stopped.</source>
        <translation>批量指令“%1”已停止。</translation>
    </message>
    <message>
        <source>Batch &quot;%1&quot; finished.</source>
        <translation>批量指令“%1”已完成。</translation>
    </message>
    <message>
        <source>Enter a file name.</source>
        <translation>请输入文件名。</translation>
    </message>
    <message>
        <source>A file name cannot contain &quot;/&quot;, &quot;\&quot; or control characters.</source>
        <translation>文件名不能包含“/”、“\”或控制字符。</translation>
    </message>
    <message>
        <source>Choose a folder for the log.</source>
        <translation>请选择日志保存文件夹。</translation>
    </message>
    <message>
        <source>The log could not be written to %1.</source>
        <translation>无法将日志写入 %1。</translation>
    </message>
    <message>
        <source>Log saved to %1</source>
        <translation>日志已保存到 %1</translation>
    </message>
    <message>
        <source>The continuous log %1 cannot be written: %2</source>
        <translation>无法写入连续日志 %1：%2</translation>
    </message>
    <message>
        <source>Type the path of a serial device first.</source>
        <translation>请先输入串口设备的路径。</translation>
    </message>
    <message>
        <source>%1 reconnected · %2</source>
        <translation>%1 已重新连接 · %2</translation>
    </message>
    <message>
        <source>Not sent: &quot;%1&quot; at position %2 is not a hex digit.</source>
        <translation>未发送：第 %2 位的“%1”不是十六进制数字。</translation>
    </message>
    <message>
        <source>Not sent: the draft holds no hex digits.</source>
        <translation>未发送：输入内容中没有十六进制数字。</translation>
    </message>
    <message>
        <source>Sent; not kept in the history, as it is longer than 4 KiB.</source>
        <translation>已发送；内容超过 4 KiB，未保存到历史记录。</translation>
    </message>
    <message>
        <source>Not sent: the device is not reading — %1 bytes are still waiting to go out.</source>
        <translation>未发送：设备未在读取——仍有 %1 字节等待发出。</translation>
    </message>
    <message>
        <source>Not sent: %1 bytes are more than the port may hold at once (%2).</source>
        <translation>未发送：%1 字节超出了串口一次可缓存的上限（%2）。</translation>
    </message>
    <message>
        <source>%1 WAITING</source>
        <translation>%1 等待中</translation>
    </message>
    <message>
        <source>%1 OPEN</source>
        <translation>%1 已打开</translation>
    </message>
    <message>
        <source>%1 CLOSED</source>
        <translation>%1 已关闭</translation>
    </message>
    <message>
        <source>waiting for the device to come back</source>
        <translation>等待设备重新连接</translation>
    </message>
    <message>
        <source>Select a serial port first.</source>
        <translation>请先选择串口。</translation>
    </message>
    <message>
        <source>%1 opened · %2</source>
        <translation>%1 已打开 · %2</translation>
    </message>
    <message>
        <source>Port closed</source>
        <translation>串口已关闭</translation>
    </message>
    <message>
        <source>The download folder %1 is a link; remove it and try again.</source>
        <translation>下载文件夹 %1 是一个链接；请删除后重试。</translation>
    </message>
    <message>
        <source>The download folder %1 belongs to another user; remove it and try again.</source>
        <translation>下载文件夹 %1 属于其他用户；请删除后重试。</translation>
    </message>
    <message>
        <source>No update server configured (.env) -- using the bundled command library only.</source>
        <translation>未配置更新服务器（.env）——仅使用内置的指令库。</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>正在检查更新…</translation>
    </message>
    <message>
        <source>Command library is up to date (%1).</source>
        <translation>指令库已是最新版本（%1）。</translation>
    </message>
    <message>
        <source>Version %1 is available, but requires app version %2 or later -- please update the app first.</source>
        <translation>版本 %1 已推出，但需要应用版本 %2 或更高——请先更新应用。</translation>
    </message>
    <message>
        <source>Version %1 is available.</source>
        <translation>版本 %1 已推出。</translation>
    </message>
    <message>
        <source>Downloading…</source>
        <translation>正在下载…</translation>
    </message>
    <message>
        <source>Downloaded data could not be applied: %1</source>
        <translation>无法应用下载的数据：%1</translation>
    </message>
    <message>
        <source>Updated to %1.</source>
        <translation>已更新到 %1。</translation>
    </message>
    <message>
        <source>No update server configured (.env).</source>
        <translation>未配置更新服务器（.env）。</translation>
    </message>
    <message>
        <source>You&apos;re on the latest version (%1).</source>
        <translation>当前已是最新版本（%1）。</translation>
    </message>
    <message>
        <source>Version %1 is available, but requires updating from version %2 or later first -- please reinstall the app before trying again.</source>
        <translation>版本 %1 已推出，但只能从 %2 或更高版本更新——请重新安装应用后再试。</translation>
    </message>
    <message>
        <source>No temporary-files folder is available for the download.</source>
        <translation>没有可用于下载的临时文件夹。</translation>
    </message>
    <message>
        <source>Downloading update…</source>
        <translation>正在下载更新…</translation>
    </message>
    <message>
        <source>Download cancelled.</source>
        <translation>下载已取消。</translation>
    </message>
    <message>
        <source>Installing update %1…</source>
        <translation>正在安装更新 %1…</translation>
    </message>
    <message>
        <source>Self-update isn&apos;t supported on this platform yet -- please download the new version manually.</source>
        <translation>此平台暂不支持自动更新——请手动下载新版本。</translation>
    </message>
    <message>
        <source>Not put into the send box: %L1 characters are more than a command may be (%L2).</source>
        <translation>未放入发送框：%L1 个字符超过了命令允许的长度（%L2）。</translation>
    </message>
    <message>
        <source>Filled in, this command would be longer than %L1 characters, more than a command may be; check the values.</source>
        <translation>填入参数后，此命令将超过 %L1 个字符，超出命令允许的长度；请检查参数值。</translation>
    </message>
    <message numerus="yes">
        <source>The continuous log %1 is written again. Lines that could not be written to it: %n (%2); a line in the file marks where.</source>
        <translation>
            <numerusform>连续日志 %1 已恢复写入。未能写入的行：%n（%2）；文件中有一行标出了位置。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lines that never reached the continuous log %1: %n (%2).</source>
        <translation>
            <numerusform>未能写入连续日志 %1 的行：%n（%2）。</numerusform>
        </translation>
    </message>
    <message>
        <source>The new command library is in use, but it could not be kept for the next start: %1</source>
        <translation>新的命令库已在使用，但无法保存以供下次启动使用：%1</translation>
    </message>
    <message>
        <source>Send mode switched to ASCII: this command is text.</source>
        <translation>发送模式已切换为 ASCII：此命令为文本。</translation>
    </message>
    <message>
        <source>Serial settings of %1 now shown for the next open: %2</source>
        <translation>已显示 %1 的串口设置，供下次打开使用：%2</translation>
    </message>
    <message>
        <source>[file %1 · bytes sent: %L2]</source>
        <translation>[文件 %1 · 已发送字节：%L2]</translation>
    </message>
    <message>
        <source>%1 sent.</source>
        <translation>%1 已发送。</translation>
    </message>
    <message>
        <source>Sending %1 cancelled; bytes sent: %L2.</source>
        <translation>已取消发送 %1；已发送字节：%L2。</translation>
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
        <translation>无</translation>
    </message>
    <message>
        <source>text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>regular expression</source>
        <translation>正则表达式</translation>
    </message>
    <message>
        <source>hex bytes</source>
        <translation>十六进制字节</translation>
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
        <translation>毫秒内无回复：</translation>
    </message>
    <message>
        <source>stop the batch</source>
        <translation>停止批量指令</translation>
    </message>
    <message>
        <source>go on</source>
        <translation>继续</translation>
    </message>
</context>
<context>
    <name>CommandLibraryPanel</name>
    <message>
        <source>Device model · Model</source>
        <translation>设备型号 · Model</translation>
    </message>
    <message>
        <source>Search commands</source>
        <translation>搜索指令</translation>
    </message>
    <message>
        <source>Drag a row to reorder</source>
        <translation>拖动行可调整顺序</translation>
    </message>
    <message>
        <source>Batch commands</source>
        <translation>批量指令</translation>
    </message>
    <message>
        <source>New template</source>
        <translation>新建模板</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Edit template</source>
        <translation>编辑模板</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>e.g. Reset device</source>
        <translation>例如：复位设备</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>内容</translation>
    </message>
    <message>
        <source>The literal text to send</source>
        <translation>按原样发送的文本</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>No batch commands yet</source>
        <translation>暂无批量指令</translation>
    </message>
    <message>
        <source>%1 steps · %2 ms interval</source>
        <translation>%1 步 · 间隔 %2 ms</translation>
    </message>
    <message>
        <source>■ Stop</source>
        <translation>■ 停止</translation>
    </message>
    <message>
        <source>▶ Run</source>
        <translation>▶ 运行</translation>
    </message>
    <message>
        <source>New batch</source>
        <translation>新建批量指令</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Edit batch command</source>
        <translation>编辑批量指令</translation>
    </message>
    <message>
        <source>New batch command</source>
        <translation>新建批量指令</translation>
    </message>
    <message>
        <source>e.g. Startup sequence</source>
        <translation>例如：启动序列</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>间隔</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>步骤</translation>
    </message>
    <message>
        <source>Command text</source>
        <translation>指令文本</translation>
    </message>
    <message>
        <source>CRC</source>
        <translation>CRC</translation>
    </message>
    <message>
        <source>Add step</source>
        <translation>添加步骤</translation>
    </message>
    <message>
        <source>Delete template</source>
        <translation>删除模板</translation>
    </message>
    <message>
        <source>Delete the template &quot;%1&quot;? This cannot be undone.</source>
        <translation>删除模板“%1”？此操作无法撤销。</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Korvel Serial Assistant: a serial terminal for Korvel sensors and any other serial device.</source>
        <translation>Korvel 串口助手：适用于 Korvel 传感器及其他任何串口设备的串口终端。</translation>
    </message>
    <message>
        <source>Choose the port PATH: a name from the port list (ttyUSB0) or any device path (/dev/serial/by-id/..., /tmp/hx4).</source>
        <translation>选择端口 PATH：端口列表中的名称（ttyUSB0）或任意设备路径（/dev/serial/by-id/...、/tmp/hx4）。</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>PATH</translation>
    </message>
    <message>
        <source>Use N bits per second, one of %1.</source>
        <translation>使用 N 波特（位/秒），可选值：%1。</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Open the port at start-up, with the serial settings the window shows.</source>
        <translation>启动时按窗口中显示的串口设置打开端口。</translation>
    </message>
    <message>
        <source>Run &quot;%1 --help&quot; to see the options.</source>
        <translation>运行“%1 --help”查看可用选项。</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;.</source>
        <translation>意外的参数“%1”。</translation>
    </message>
    <message>
        <source>--port needs a port name or a device path.</source>
        <translation>--port 需要端口名称或设备路径。</translation>
    </message>
    <message>
        <source>--baud: &quot;%1&quot; is not a baud rate the window offers (%2).</source>
        <translation>--baud：“%1”不是窗口提供的波特率（%2）。</translation>
    </message>
</context>
<context>
    <name>CommandParamsPanel</name>
    <message>
        <source>Needs parameters</source>
        <translation>需要参数</translation>
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
        <translation>复位设备需要翻转 RTS，而 RTS 由 RTS/CTS 流控驱动：请为复位选择 DTR。</translation>
    </message>
    <message>
        <source>Reset device: %1 pulsed for %2 ms.</source>
        <translation>复位设备：%1 脉冲 %2 ms。</translation>
    </message>
    <message>
        <source>The port did not send a break.</source>
        <translation>端口未能发送中断信号。</translation>
    </message>
    <message>
        <source>Break sent (%1 ms).</source>
        <translation>已发送中断信号（%1 ms）。</translation>
    </message>
    <message>
        <source>This port has no modem control lines.</source>
        <translation>此端口没有调制解调器控制线。</translation>
    </message>
</context>
<context>
    <name>ControlLinesPanel</name>
    <message>
        <source>This port has no modem control lines.</source>
        <translation>此端口没有调制解调器控制线。</translation>
    </message>
    <message>
        <source>Control lines</source>
        <translation>控制线</translation>
    </message>
    <message>
        <source>RTS/CTS flow control drives RTS while the port is open.</source>
        <translation>端口打开期间 RTS 由 RTS/CTS 流控驱动。</translation>
    </message>
    <message>
        <source>Reset device</source>
        <translation>复位设备</translation>
    </message>
    <message>
        <source>Assert DTR after opening</source>
        <translation>打开后置位 DTR</translation>
    </message>
    <message>
        <source>Assert RTS after opening</source>
        <translation>打开后置位 RTS</translation>
    </message>
    <message>
        <source>Reset pulses</source>
        <translation>复位脉冲线</translation>
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
        <translation>数据监视</translation>
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
        <translation>发送 %1</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Clear log</source>
        <translation>清空日志</translation>
    </message>
    <message>
        <source>Save log…</source>
        <translation>保存日志…</translation>
    </message>
    <message numerus="yes">
        <source>Paused · %n new lines</source>
        <translation>
            <numerusform>已暂停 · %n 行新数据</numerusform>
        </translation>
    </message>
    <message>
        <source>The log is full: the lines in view are being dropped.</source>
        <translation>日志已满：正在显示的行正被丢弃。</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Show as JSON</source>
        <translation>以 JSON 显示</translation>
    </message>
</context>
<context>
    <name>DeviceLibraryUpdateClient</name>
    <message>
        <source>Remote update server not configured (.env).</source>
        <translation>未配置远程更新服务器（.env）。</translation>
    </message>
    <message>
        <source>Malformed response: %1</source>
        <translation>响应格式错误：%1</translation>
    </message>
    <message>
        <source>Checksum mismatch -- downloaded data may be corrupted.</source>
        <translation>校验和不匹配——下载的数据可能已损坏。</translation>
    </message>
    <message>
        <source>Response has no models[] array.</source>
        <translation>响应中缺少 models[] 数组。</translation>
    </message>
</context>
<context>
    <name>DriverHintDialog</name>
    <message>
        <source>Serial driver may be missing</source>
        <translation>可能缺少串口驱动</translation>
    </message>
    <message>
        <source>Download driver</source>
        <translation>下载驱动</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>The CH340 USB-to-serial driver doesn&apos;t appear to be installed on this computer. Without it, a connected Korvel device won&apos;t show up as an available serial port.</source>
        <translation>此计算机上似乎未安装 CH340 USB 转串口驱动。没有它，已连接的 Korvel 设备将不会显示为可用串口。</translation>
    </message>
    <message>
        <source>Don&apos;t show this again</source>
        <translation>不再显示</translation>
    </message>
</context>
<context>
    <name>DriverListDialog</name>
    <message>
        <source>Driver downloads</source>
        <translation>驱动下载</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>No drivers are relevant on this platform.</source>
        <translation>此平台无需安装任何驱动。</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>已安装</translation>
    </message>
    <message>
        <source>Not detected</source>
        <translation>未检测到</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>USB-to-serial driver used by most Korvel devices</source>
        <translation>大多数 Korvel 设备使用的 USB 转串口驱动</translation>
    </message>
</context>
<context>
    <name>FieldMonitor</name>
    <message numerus="yes">
        <source>Only the first %1 fields are kept. Not added (%n or more): %2.</source>
        <translation>
            <numerusform>仅保留前 %1 个字段。未添加（%n 个或更多）：%2。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only the first %1 fields are kept. Not added (%n): %2.</source>
        <translation>
            <numerusform>仅保留前 %1 个字段。未添加（%n 个）：%2。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lines not read (%n): broken JSON, nested deeper than %1 levels or longer than %2 KiB.</source>
        <translation>
            <numerusform>未读取的行（%n）：JSON 损坏、嵌套超过 %1 层或长度超过 %2 KiB。</numerusform>
        </translation>
    </message>
    <message>
        <source>This line is no longer in the log.</source>
        <translation>此行已不在日志中。</translation>
    </message>
    <message>
        <source>Enter a file name.</source>
        <translation>请输入文件名。</translation>
    </message>
</context>
<context>
    <name>FieldPlot</name>
    <message>
        <source>The picture could not be written to %1.</source>
        <translation>无法将图片写入 %1。</translation>
    </message>
</context>
<context>
    <name>FieldsPanel</name>
    <message>
        <source>Saved to %1</source>
        <translation>已保存到 %1</translation>
    </message>
    <message>
        <source>Fields</source>
        <translation>字段</translation>
    </message>
    <message>
        <source>The fields of received JSON objects, label:value lines and lines of numbers appear here, with a live plot.</source>
        <translation>收到的 JSON 对象、label:value 行和数字行的字段会显示在这里，并附有实时曲线。</translation>
    </message>
    <message>
        <source>10 s</source>
        <translation>10 秒</translation>
    </message>
    <message>
        <source>1 min</source>
        <translation>1 分钟</translation>
    </message>
    <message>
        <source>10 min</source>
        <translation>10 分钟</translation>
    </message>
    <message>
        <source>All kept</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>Time shown in the plot</source>
        <translation>曲线显示的时间范围</translation>
    </message>
    <message>
        <source>Fit values</source>
        <translation>自动缩放</translation>
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
        <translation>暂停曲线</translation>
    </message>
    <message>
        <source>Clear fields</source>
        <translation>清除字段</translation>
    </message>
    <message>
        <source>Save plot as PNG…</source>
        <translation>将曲线保存为 PNG…</translation>
    </message>
    <message>
        <source>Save samples as CSV…</source>
        <translation>将采样保存为 CSV…</translation>
    </message>
    <message>
        <source>Hide fields</source>
        <translation>隐藏字段</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>字段</translation>
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
        <translation>样本</translation>
    </message>
    <message>
        <source>Tick numeric fields in the table to plot them.</source>
        <translation>在表格中勾选数值字段即可绘制曲线。</translation>
    </message>
    <message>
        <source>Save plot as PNG</source>
        <translation>将曲线保存为 PNG</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG 图像 (*.png)</translation>
    </message>
    <message>
        <source>Save samples as CSV</source>
        <translation>将采样保存为 CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
</context>
<context>
    <name>FileSendDialog</name>
    <message>
        <source>Send file</source>
        <translation>发送文件</translation>
    </message>
    <message>
        <source>File to send</source>
        <translation>要发送的文件</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>浏览…</translation>
    </message>
    <message>
        <source>Raw bytes, as they are in the file</source>
        <translation>原始字节，与文件中相同</translation>
    </message>
    <message>
        <source>Text, line by line, each line ended by %1</source>
        <translation>文本，逐行发送，每行以 %1 结尾</translation>
    </message>
    <message>
        <source>Pause after each line or piece</source>
        <translation>每行或每块后暂停</translation>
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
        <translation>发送</translation>
    </message>
</context>
<context>
    <name>FileSendProgress</name>
    <message>
        <source>Sending %1</source>
        <translation>正在发送 %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>%1 of %2 sent</source>
        <translation>已发送 %1 / %2</translation>
    </message>
    <message>
        <source>%1 of %2 sent · about %L3 s left</source>
        <translation>已发送 %1 / %2 · 约剩 %L3 秒</translation>
    </message>
</context>
<context>
    <name>FileSender</name>
    <message>
        <source>The port closed before the whole file was sent.</source>
        <translation>整个文件发送完之前端口已关闭。</translation>
    </message>
    <message>
        <source>A file is being sent already.</source>
        <translation>已有文件正在发送。</translation>
    </message>
    <message>
        <source>Port is not open — click &quot;Open port&quot; first.</source>
        <translation>串口未打开——请先点击“打开串口”。</translation>
    </message>
    <message>
        <source>Cannot send %1: %2</source>
        <translation>无法发送 %1：%2</translation>
    </message>
    <message>
        <source>Reading %1 failed: %2</source>
        <translation>读取 %1 失败：%2</translation>
    </message>
    <message>
        <source>The port did not take the data of %1.</source>
        <translation>端口未接收 %1 的数据。</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Searching…</source>
        <translation>正在搜索…</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>无匹配</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n 个匹配</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n</source>
        <translation>
            <numerusform>第 %1 个，共 %n 个</numerusform>
        </translation>
    </message>
    <message>
        <source>Find bytes (hex, e.g. 0A 01 7F)</source>
        <translation>查找字节（十六进制，如 0A 01 7F）</translation>
    </message>
    <message>
        <source>Find in the log</source>
        <translation>在日志中查找</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>正则表达式</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>区分大小写</translation>
    </message>
    <message>
        <source>Search received lines</source>
        <translation>搜索接收的行</translation>
    </message>
    <message>
        <source>Search sent lines</source>
        <translation>搜索发送的行</translation>
    </message>
    <message>
        <source>Search notices</source>
        <translation>搜索通知</translation>
    </message>
    <message>
        <source>Search errors</source>
        <translation>搜索错误</translation>
    </message>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation>上一个匹配 (Shift+F3)</translation>
    </message>
    <message>
        <source>Next match (F3)</source>
        <translation>下一个匹配 (F3)</translation>
    </message>
    <message>
        <source>Only matches</source>
        <translation>仅匹配项</translation>
    </message>
    <message>
        <source>Show only the lines that match</source>
        <translation>只显示匹配的行</translation>
    </message>
    <message numerus="yes">
        <source>%n lines hidden</source>
        <translation>
            <numerusform>已隐藏 %n 行</numerusform>
        </translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>关闭 (Esc)</translation>
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
        <translation>按静默分帧</translation>
    </message>
    <message>
        <source>Frame pause</source>
        <translation>帧间隔</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>With CRC on, each frame is marked by its CRC-16/MODBUS.</source>
        <translation>开启 CRC 时，每帧按其 CRC-16/MODBUS 标记。</translation>
    </message>
</context>
<context>
    <name>HighlightRuleModel</name>
    <message numerus="yes">
        <source>No more than %n rules can be kept.</source>
        <translation>
            <numerusform>最多只能保存 %n 条规则。</numerusform>
        </translation>
    </message>
    <message>
        <source>The rule needs a pattern.</source>
        <translation>规则需要一个模式。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour of the palette.</source>
        <translation>“%1”不是调色板中的颜色。</translation>
    </message>
</context>
<context>
    <name>HighlightRulesEditor</name>
    <message>
        <source>No rules yet: lines keep the monitor&apos;s colours.</source>
        <translation>尚无规则：各行保持监视器的颜色。</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Text to colour, e.g. ERROR</source>
        <translation>要着色的文本，如 ERROR</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>正则表达式</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Save rule</source>
        <translation>保存规则</translation>
    </message>
    <message>
        <source>Add rule</source>
        <translation>添加规则</translation>
    </message>
    <message>
        <source>Highlight rules</source>
        <translation>高亮规则</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>JsonLineDialog</name>
    <message>
        <source>Line as JSON</source>
        <translation>以 JSON 显示的行</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>JsonText</name>
    <message>
        <source>the line ends before the JSON value is complete</source>
        <translation>JSON 值尚未完整，行就结束了</translation>
    </message>
    <message>
        <source>a value was expected</source>
        <translation>此处应为一个值</translation>
    </message>
    <message>
        <source>a key in double quotes was expected</source>
        <translation>此处应为双引号括起的键</translation>
    </message>
    <message>
        <source>&quot;:&quot; was expected after the key</source>
        <translation>键之后应为 &quot;:&quot;</translation>
    </message>
    <message>
        <source>&quot;,&quot; or &quot;}&quot; was expected</source>
        <translation>此处应为 &quot;,&quot; 或 &quot;}&quot;</translation>
    </message>
    <message>
        <source>&quot;,&quot; or &quot;]&quot; was expected</source>
        <translation>此处应为 &quot;,&quot; 或 &quot;]&quot;</translation>
    </message>
    <message>
        <source>the number is malformed</source>
        <translation>数字格式错误</translation>
    </message>
    <message>
        <source>a string holds an unknown escape sequence</source>
        <translation>字符串含有未知的转义序列</translation>
    </message>
    <message>
        <source>a string holds a control character</source>
        <translation>字符串含有控制字符</translation>
    </message>
    <message>
        <source>a string holds bytes that are not UTF-8</source>
        <translation>字符串含有非 UTF-8 字节</translation>
    </message>
    <message>
        <source>it is nested deeper than %1 levels</source>
        <translation>嵌套超过 %1 层</translation>
    </message>
    <message>
        <source>more text follows the JSON value</source>
        <translation>JSON 值后面还有多余的文本</translation>
    </message>
    <message>
        <source>The line is too long to show as JSON (%1 bytes).</source>
        <translation>该行太长，无法以 JSON 显示（%1 字节）。</translation>
    </message>
    <message>
        <source>The line is empty: it holds no JSON.</source>
        <translation>该行为空，不含 JSON。</translation>
    </message>
    <message>
        <source>Not valid JSON from character %1 on: %2.</source>
        <translation>从第 %1 个字符起不是有效的 JSON：%2。</translation>
    </message>
</context>
<context>
    <name>LibraryCache</name>
    <message>
        <source>The library is larger than %1 bytes.</source>
        <translation>该库大于 %1 字节。</translation>
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
        <translation>磁盘写入跟不上行的速度</translation>
    </message>
</context>
<context>
    <name>LogListModel</name>
    <message>
        <source>[CRC ok]</source>
        <translation>[CRC 正确]</translation>
    </message>
    <message>
        <source>[CRC bad]</source>
        <translation>[CRC 错误]</translation>
    </message>
</context>
<context>
    <name>LogManager</name>
    <message numerus="yes">
        <source>Lines that could not be written here: %n (%1)</source>
        <translation>
            <numerusform>此处未能写入的行：%n（%1）</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LogMatcher</name>
    <message numerus="yes">
        <source>The pattern is longer than %n characters.</source>
        <translation>
            <numerusform>模式超过 %n 个字符。</numerusform>
        </translation>
    </message>
    <message>
        <source>Invalid regular expression: %1 (at character %2)</source>
        <translation>无效的正则表达式：%1（第 %2 个字符）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; at position %2 is not a hex digit.</source>
        <translation>位置 %2 的“%1”不是十六进制数字。</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Korvel Serial Assistant</source>
        <translation>Korvel 串口助手</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>Save log</source>
        <translation>保存日志</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>串口(&amp;P)</translation>
    </message>
    <message>
        <source>Open device path…</source>
        <translation>打开设备路径…</translation>
    </message>
    <message>
        <source>Reconnect automatically</source>
        <translation>自动重连</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>Pause scrolling</source>
        <translation>暂停滚动</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>工具(&amp;T)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Driver downloads</source>
        <translation>驱动下载</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>发送</translation>
    </message>
    <message>
        <source>Serial driver not installed — click for details</source>
        <translation>未安装串口驱动——点击查看详情</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>不再提示</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>串口</translation>
    </message>
    <message>
        <source>Device commands</source>
        <translation>设备指令</translation>
    </message>
    <message>
        <source>Failed to open port</source>
        <translation>打开串口失败</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Stop continuous logging</source>
        <translation>停止持续记录</translation>
    </message>
    <message>
        <source>Clear monitor</source>
        <translation>清空监视器</translation>
    </message>
    <message>
        <source>Close port</source>
        <translation>关闭串口</translation>
    </message>
    <message>
        <source>Open port</source>
        <translation>打开串口</translation>
    </message>
    <message>
        <source>Check for updates…</source>
        <translation>检查更新…</translation>
    </message>
    <message>
        <source>Fields and plot</source>
        <translation>字段与曲线</translation>
    </message>
    <message>
        <source>Find…</source>
        <translation>查找…</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>Reset device</source>
        <translation>复位设备</translation>
    </message>
    <message>
        <source>Send break</source>
        <translation>发送中断信号</translation>
    </message>
    <message>
        <source>Send file…</source>
        <translation>发送文件…</translation>
    </message>
</context>
<context>
    <name>PortAccess</name>
    <message>
        <source>%1 does not exist. Check the path, and that the device is plugged in.</source>
        <translation>%1 不存在。请检查路径，并确认设备已连接。</translation>
    </message>
    <message>
        <source>%1 is a folder, not a serial device.</source>
        <translation>%1 是文件夹，不是串口设备。</translation>
    </message>
    <message>
        <source>%1 is a regular file, not a serial device.</source>
        <translation>%1 是普通文件，不是串口设备。</translation>
    </message>
    <message>
        <source>%1 is not a serial device.</source>
        <translation>%1 不是串口设备。</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>无法打开 %1：%2。</translation>
    </message>
    <message>
        <source>It is not a serial device.</source>
        <translation>它不是串口设备。</translation>
    </message>
    <message>
        <source>To get access on Linux, add your user to the group that owns the device (%1), for example with &quot;sudo usermod -aG %1 $USER&quot;, then log out and log in again.</source>
        <translation>要在 Linux 上获得访问权限，请将您的用户加入拥有该设备的用户组（%1），例如运行“sudo usermod -aG %1 $USER”，然后注销并重新登录。</translation>
    </message>
    <message>
        <source>It is in use by another program: %1 (process %2). Close the port there, then try again.</source>
        <translation>该端口正被其他程序占用：%1（进程 %2）。请在该程序中关闭端口后重试。</translation>
    </message>
    <message>
        <source>It is in use by another program (process %1). Close the port there, then try again.</source>
        <translation>该端口正被其他程序占用（进程 %1）。请在该程序中关闭端口后重试。</translation>
    </message>
    <message>
        <source>It is in use by another program. Close the port there, then try again.</source>
        <translation>该端口正被其他程序占用。请在该程序中关闭端口后重试。</translation>
    </message>
</context>
<context>
    <name>PortComboBox</name>
    <message>
        <source>No ports found</source>
        <translation>未找到串口</translation>
    </message>
    <message>
        <source>Open a device path…</source>
        <translation>打开设备路径…</translation>
    </message>
    <message>
        <source>A device the list does not show</source>
        <translation>列表中未显示的设备</translation>
    </message>
    <message>
        <source>Device path</source>
        <translation>设备路径</translation>
    </message>
    <message>
        <source>Unknown device</source>
        <translation>未知设备</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>路径</translation>
    </message>
    <message>
        <source>%1 is gone</source>
        <translation>%1 已消失</translation>
    </message>
    <message>
        <source>Choose a port</source>
        <translation>请选择端口</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>no temporary-files folder is available for the update</source>
        <translation>没有可用于更新的临时文件夹</translation>
    </message>
    <message>
        <source>could not start &apos;tar&apos; (bundled with Windows 10 1803+/Windows 11) -- %1</source>
        <translation>无法启动“tar”（Windows 10 1803+/Windows 11 自带）——%1</translation>
    </message>
    <message>
        <source>&apos;tar&apos; timed out extracting the update</source>
        <translation>解压更新时“tar”超时</translation>
    </message>
    <message>
        <source>&apos;tar&apos; failed (exit %1): %2</source>
        <translation>“tar”执行失败（退出码 %1）：%2</translation>
    </message>
    <message>
        <source>downloaded archive doesn&apos;t contain %1 -- not a valid release package</source>
        <translation>下载的压缩包中不包含 %1——不是有效的发布包</translation>
    </message>
    <message>
        <source>could not write updater script to %1: %2</source>
        <translation>无法将更新脚本写入 %1：%2</translation>
    </message>
    <message>
        <source>the update service published no checksum for this package -- it can&apos;t be verified</source>
        <translation>更新服务未发布此更新包的校验和——无法验证</translation>
    </message>
    <message>
        <source>the downloaded update doesn&apos;t match its published checksum -- it may be damaged or tampered with</source>
        <translation>下载的更新与发布的校验和不符——可能已损坏或被篡改</translation>
    </message>
    <message>
        <source>could not start the updater script %1</source>
        <translation>无法启动更新脚本 %1</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>It is not a regular file.</source>
        <translation>它不是普通文件。</translation>
    </message>
    <message>
        <source>It is larger than %1 bytes.</source>
        <translation>它大于 %1 字节。</translation>
    </message>
</context>
<context>
    <name>RemoteAssistPanel</name>
    <message>
        <source>Remote support</source>
        <translation>远程协助</translation>
    </message>
    <message>
        <source>Send the code below to Korvel support so they can connect to your computer and help diagnose device issues.</source>
        <translation>将下方代码发送给 Korvel 技术支持，以便他们连接到您的计算机并协助诊断设备问题。</translation>
    </message>
    <message>
        <source>Your code</source>
        <translation>您的代码</translation>
    </message>
    <message>
        <source>Valid for 10 minutes · this session only</source>
        <translation>10 分钟内有效 · 仅限本次会话</translation>
    </message>
    <message>
        <source>Copy code</source>
        <translation>复制代码</translation>
    </message>
    <message>
        <source>Regenerate</source>
        <translation>重新生成</translation>
    </message>
    <message>
        <source>One-time password</source>
        <translation>一次性密码</translation>
    </message>
    <message>
        <source>Allow support to send/receive on the serial port</source>
        <translation>允许技术支持通过串口收发数据</translation>
    </message>
    <message>
        <source>Share this session&apos;s log</source>
        <translation>共享本次会话的日志</translation>
    </message>
    <message>
        <source>Allow full desktop control</source>
        <translation>允许完全控制桌面</translation>
    </message>
    <message>
        <source>Start session</source>
        <translation>开始会话</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>未连接</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Remote support requires a signaling/relay service that this build does not include yet. The session code and permissions above are ready to wire up once that transport exists.</source>
        <translation>远程协助需要信令/中继服务，而当前版本尚未包含该服务。待该传输通道就绪后，上方的会话代码和权限即可直接接入。</translation>
    </message>
</context>
<context>
    <name>ReplyGuard</name>
    <message numerus="yes">
        <source>The transfer did not finish in time (%n s).</source>
        <translation>
            <numerusform>传输未能按时完成（%n 秒）。</numerusform>
        </translation>
    </message>
    <message>
        <source>The answer is larger than %1 bytes, more than this request can need.</source>
        <translation>响应大于 %1 字节，超出了此请求可能需要的大小。</translation>
    </message>
    <message numerus="yes">
        <source>The download made no progress for %n s.</source>
        <translation>
            <numerusform>下载在 %n 秒内没有进展。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReplyPattern</name>
    <message>
        <source>&quot;%1&quot; at position %2 is neither a hex digit nor part of &quot;??&quot;.</source>
        <translation>第 %2 位的“%1”既不是十六进制数字，也不是“??”的一部分。</translation>
    </message>
    <message>
        <source>Enter what the reply must contain.</source>
        <translation>请输入回复必须包含的内容。</translation>
    </message>
    <message>
        <source>text &quot;%1&quot;</source>
        <translation>文本“%1”</translation>
    </message>
    <message>
        <source>regular expression &quot;%1&quot;</source>
        <translation>正则表达式“%1”</translation>
    </message>
    <message>
        <source>hex bytes %1</source>
        <translation>十六进制字节 %1</translation>
    </message>
</context>
<context>
    <name>ReplyWait</name>
    <message>
        <source>Step %1: the reply pattern cannot be used: %2</source>
        <translation>步骤 %1：回复模式无法使用：%2</translation>
    </message>
    <message>
        <source>Step %1: waiting up to %2 ms for a reply matching %3.</source>
        <translation>步骤 %1：正在等待与 %3 匹配的回复，最多 %2 毫秒。</translation>
    </message>
    <message>
        <source>Step %1: the port closed while waiting for the reply.</source>
        <translation>步骤 %1：等待回复时端口已关闭。</translation>
    </message>
    <message>
        <source>Step %1: a reply matching %2 came after %3 ms.</source>
        <translation>步骤 %1：%3 毫秒后收到与 %2 匹配的回复。</translation>
    </message>
    <message>
        <source>Step %1: no reply matching %2 within %3 ms; going on.</source>
        <translation>步骤 %1：%3 毫秒内没有与 %2 匹配的回复；继续执行。</translation>
    </message>
    <message>
        <source>Step %1: no reply matching %2 within %3 ms.</source>
        <translation>步骤 %1：%3 毫秒内没有与 %2 匹配的回复。</translation>
    </message>
</context>
<context>
    <name>SaveLogDialog</name>
    <message>
        <source>Save session log</source>
        <translation>保存会话日志</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>浏览…</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Plain text (.log)</source>
        <translation>纯文本 (.log)</translation>
    </message>
    <message>
        <source>HEX dump</source>
        <translation>HEX 转储</translation>
    </message>
    <message>
        <source>Continue logging to disk, rotating the file every day</source>
        <translation>持续记录到磁盘，每天换用新文件</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Logging now to %1</source>
        <translation>当前正在记录到 %1</translation>
    </message>
    <message>
        <source>Saving stops logging to %1</source>
        <translation>保存将停止记录到 %1</translation>
    </message>
</context>
<context>
    <name>SendArea</name>
    <message>
        <source>Type data to send…</source>
        <translation>输入要发送的数据…</translation>
    </message>
    <message>
        <source>Send as</source>
        <translation>发送格式</translation>
    </message>
    <message>
        <source>CRC16</source>
        <translation>CRC16</translation>
    </message>
    <message>
        <source>Enter sends · Shift+Enter new line</source>
        <translation>Enter 发送 · Shift+Enter 换行</translation>
    </message>
    <message>
        <source>Ctrl+Enter sends</source>
        <translation>Ctrl+Enter 发送</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>发送</translation>
    </message>
    <message>
        <source>Send (Ctrl+Enter)</source>
        <translation>发送 (Ctrl+Enter)</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>History</source>
        <translation>历史</translation>
    </message>
    <message>
        <source>Send history</source>
        <translation>发送历史</translation>
    </message>
    <message>
        <source>Clear history</source>
        <translation>清空历史</translation>
    </message>
    <message>
        <source>No history yet</source>
        <translation>暂无历史记录</translation>
    </message>
</context>
<context>
    <name>SerialManager</name>
    <message>
        <source>Serial port %1 disconnected.</source>
        <translation>串口 %1 已断开。</translation>
    </message>
</context>
<context>
    <name>SerialOptions</name>
    <message>
        <source>None</source>
        <comment>parity</comment>
        <translation>无</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>偶校验</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>奇校验</translation>
    </message>
    <message>
        <source>None</source>
        <comment>flow control</comment>
        <translation>无</translation>
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
        <translation>无</translation>
    </message>
</context>
<context>
    <name>SerialSettingsPanel</name>
    <message>
        <source>Port · PORT</source>
        <translation>串口 · PORT</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>波特率</translation>
    </message>
    <message>
        <source>Data bits</source>
        <translation>数据位</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>校验位</translation>
    </message>
    <message>
        <source>Stop bits</source>
        <translation>停止位</translation>
    </message>
    <message>
        <source>Flow control</source>
        <translation>流控制</translation>
    </message>
    <message>
        <source>Close port</source>
        <translation>关闭串口</translation>
    </message>
    <message>
        <source>Stop waiting</source>
        <translation>停止等待</translation>
    </message>
    <message>
        <source>Open port</source>
        <translation>打开串口</translation>
    </message>
    <message>
        <source>Reconnect automatically</source>
        <translation>自动重连</translation>
    </message>
    <message>
        <source>Receive · RECEIVE</source>
        <translation>接收 · RECEIVE</translation>
    </message>
    <message>
        <source>Show timestamp</source>
        <translation>显示时间戳</translation>
    </message>
    <message>
        <source>Wrap lines</source>
        <translation>自动换行</translation>
    </message>
    <message>
        <source>Echo sent data</source>
        <translation>回显发送数据</translation>
    </message>
    <message>
        <source>Transmit · TRANSMIT</source>
        <translation>发送 · TRANSMIT</translation>
    </message>
    <message>
        <source>Append CRC (CRC16/MODBUS)</source>
        <translation>追加 CRC (CRC16/MODBUS)</translation>
    </message>
    <message>
        <source>Repeat send</source>
        <translation>定时发送</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Open a device path</source>
        <translation>打开设备路径</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Any serial device or pseudo-terminal, opened with the settings of the serial panel. Paths opened here stay in the port list while they exist.</source>
        <translation>任意串口设备或伪终端，将按串口面板中的设置打开。在此打开的路径只要仍然存在，就会保留在端口列表中。</translation>
    </message>
</context>
<context>
    <name>ServiceRequest</name>
    <message>
        <source>The API key in .env holds a control character (such as NUL or a line break); it was not sent.</source>
        <translation>.env 中的 API 密钥含有控制字符（如 NUL 或换行符），未发送。</translation>
    </message>
</context>
<context>
    <name>SettingsAboutDialog</name>
    <message>
        <source>Settings &amp; About</source>
        <translation>设置与关于</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>界面语言</translation>
    </message>
    <message>
        <source>System font</source>
        <translation>系统字体</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Data monitor font</source>
        <translation>数据监视字体</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>主题</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>浅色</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message>
        <source>Command library</source>
        <translation>指令库</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>已是最新</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>有可用更新</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>检查更新</translation>
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
        <translation>技术支持</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>Restore defaults</source>
        <translation>恢复默认设置</translation>
    </message>
    <message>
        <source>Download and apply</source>
        <translation>下载并应用</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>键盘</translation>
    </message>
    <message>
        <source>Enter sends (Shift+Enter for a new line)</source>
        <translation>Enter 发送（Shift+Enter 换行）</translation>
    </message>
    <message numerus="yes">
        <source>%n models</source>
        <translation>
            <numerusform>%n 个型号</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n commands</source>
        <translation>
            <numerusform>%n 条命令</numerusform>
        </translation>
    </message>
    <message>
        <source>Highlight rules</source>
        <translation>高亮规则</translation>
    </message>
    <message>
        <source>Lines matching a pattern can be coloured.</source>
        <translation>可以为匹配某个模式的行着色。</translation>
    </message>
    <message numerus="yes">
        <source>%n rules colour matching lines.</source>
        <translation>
            <numerusform>%n 条规则为匹配的行着色。</numerusform>
        </translation>
    </message>
    <message>
        <source>Edit rules…</source>
        <translation>编辑规则…</translation>
    </message>
</context>
<context>
    <name>SoftwareUpdateClient</name>
    <message>
        <source>Update server not configured (.env).</source>
        <translation>未配置更新服务器（.env）。</translation>
    </message>
    <message>
        <source>Malformed response: %1</source>
        <translation>响应格式错误：%1</translation>
    </message>
    <message>
        <source>Server reported an error.</source>
        <translation>服务器返回了错误。</translation>
    </message>
    <message>
        <source>This app isn&apos;t registered on the update server (slug &quot;%1&quot; not found).</source>
        <translation>此应用未在更新服务器上注册（未找到 slug“%1”）。</translation>
    </message>
    <message>
        <source>Download incomplete: received %1 of %2 bytes.</source>
        <translation>下载不完整：仅收到 %1 / %2 字节。</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>The package address &quot;%1&quot; is not an http or https address; nothing was fetched.</source>
        <translation>软件包地址“%1”不是 http 或 https 地址，未下载任何内容。</translation>
    </message>
    <message>
        <source>The package is larger than the %1 bytes the update service announced.</source>
        <translation>软件包大于更新服务声明的 %1 字节。</translation>
    </message>
</context>
<context>
    <name>SoftwareUpdateDialog</name>
    <message>
        <source>Software Update</source>
        <translation>软件更新</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>稍后</translation>
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
        <translation>重试</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Version %1 is available (you have %2)</source>
        <translation>版本 %1 已推出（当前版本 %2）</translation>
    </message>
    <message>
        <source>This update is required to keep using the app.</source>
        <translation>必须安装此更新才能继续使用本应用。</translation>
    </message>
    <message>
        <source>Open download page</source>
        <translation>打开下载页面</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Batch %1 · step %2</source>
        <translation>批处理 %1 · 第 %2 步</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Logging to %1</source>
        <translation>正在记录到 %1</translation>
    </message>
    <message>
        <source>%1 — click to open its folder</source>
        <translation>%1 — 单击打开所在文件夹</translation>
    </message>
</context>
</TS>
