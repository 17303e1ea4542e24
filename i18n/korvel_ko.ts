<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Korvel Serial Assistant</source>
        <translation>Korvel 시리얼 어시스턴트</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>버전 %1</translation>
    </message>
    <message>
        <source>A serial terminal for Korvel&apos;s USB sensors and other devices that talk JSON or text over a serial line.</source>
        <translation>Korvel USB 센서 및 시리얼 회선으로 JSON이나 텍스트를 주고받는 기타 장치를 위한 시리얼 터미널입니다.</translation>
    </message>
    <message>
        <source>Build time</source>
        <translation>빌드 시간</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>회사</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>웹사이트</translation>
    </message>
    <message>
        <source>Built with Qt %1, used under the GNU Lesser General Public License v3 (LGPLv3). Qt is a trademark of The Qt Company Ltd. Qt is linked dynamically: its libraries may be replaced with a compatible LGPLv3 build.</source>
        <translation>Qt %1(으)로 빌드되었으며 GNU 약소 일반 공중 사용 허가서 버전 3(LGPLv3)에 따라 사용됩니다. Qt는 The Qt Company Ltd.의 상표입니다. Qt는 동적으로 링크되어 있으므로 해당 라이브러리를 호환되는 LGPLv3 빌드로 교체할 수 있습니다.</translation>
    </message>
</context>
<context>
    <name>AppController</name>
    <message>
        <source>%1 bytes that had not gone out yet were discarded.</source>
        <translation>아직 전송되지 않은 %1바이트를 버렸습니다.</translation>
    </message>
    <message>
        <source>Settings cannot be saved to %1; changes last only until the application ends.</source>
        <translation>설정을 %1에 저장할 수 없습니다. 변경 사항은 애플리케이션을 종료할 때까지만 유지됩니다.</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Port is not open — click &quot;Open port&quot; first.</source>
        <translation>포트가 열려 있지 않습니다. 먼저 &apos;포트 열기&apos;를 클릭하세요.</translation>
    </message>
    <message>
        <source>Batch &quot;%1&quot; started — %2 step(s).</source>
        <translation>일괄 명령 &apos;%1&apos; 시작 — %2단계.</translation>
    </message>
    <message>
        <source>Batch &quot;%1&quot; stopped.</source>
        <translation>일괄 명령 &apos;%1&apos; 중지됨.</translation>
    </message>
    <message>
        <source>Batch &quot;%1&quot; finished.</source>
        <translation>일괄 명령 &apos;%1&apos; 완료.</translation>
    </message>
    <message>
        <source>Enter a file name.</source>
        <translation>파일 이름을 입력하세요.</translation>
    </message>
    <message>
        <source>A file name cannot contain &quot;/&quot;, &quot;\&quot; or control characters.</source>
        <translation>파일 이름에는 &quot;/&quot;, &quot;\&quot; 또는 제어 문자를 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>Choose a folder for the log.</source>
        <translation>로그를 저장할 폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>The log could not be written to %1.</source>
        <translation>로그를 %1에 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>Log saved to %1</source>
        <translation>로그를 %1에 저장했습니다</translation>
    </message>
    <message>
        <source>The continuous log %1 cannot be written: %2</source>
        <translation>연속 로그 %1에 쓸 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Type the path of a serial device first.</source>
        <translation>먼저 시리얼 장치의 경로를 입력하세요.</translation>
    </message>
    <message>
        <source>%1 reconnected · %2</source>
        <translation>%1 다시 연결됨 · %2</translation>
    </message>
    <message>
        <source>Not sent: &quot;%1&quot; at position %2 is not a hex digit.</source>
        <translation>전송하지 않음: %2번째 위치의 &apos;%1&apos;은(는) 16진수 숫자가 아닙니다.</translation>
    </message>
    <message>
        <source>Not sent: the draft holds no hex digits.</source>
        <translation>전송하지 않음: 입력한 내용에 16진수 숫자가 없습니다.</translation>
    </message>
    <message>
        <source>Sent; not kept in the history, as it is longer than 4 KiB.</source>
        <translation>전송했습니다. 4KiB를 초과하므로 기록에 남기지 않았습니다.</translation>
    </message>
    <message>
        <source>Not sent: the device is not reading — %1 bytes are still waiting to go out.</source>
        <translation>전송하지 않음: 장치가 데이터를 읽지 않고 있습니다. 아직 %1바이트가 전송 대기 중입니다.</translation>
    </message>
    <message>
        <source>Not sent: %1 bytes are more than the port may hold at once (%2).</source>
        <translation>전송하지 않음: %1바이트는 포트가 한 번에 보관할 수 있는 양(%2)을 초과합니다.</translation>
    </message>
    <message>
        <source>%1 WAITING</source>
        <translation>%1 대기 중</translation>
    </message>
    <message>
        <source>%1 OPEN</source>
        <translation>%1 열림</translation>
    </message>
    <message>
        <source>%1 CLOSED</source>
        <translation>%1 닫힘</translation>
    </message>
    <message>
        <source>waiting for the device to come back</source>
        <translation>장치가 다시 연결되기를 기다리는 중</translation>
    </message>
    <message>
        <source>Select a serial port first.</source>
        <translation>먼저 시리얼 포트를 선택하세요.</translation>
    </message>
    <message>
        <source>%1 opened · %2</source>
        <translation>%1 열림 · %2</translation>
    </message>
    <message>
        <source>Port closed</source>
        <translation>포트 닫힘</translation>
    </message>
    <message>
        <source>The download folder %1 is a link; remove it and try again.</source>
        <translation>다운로드 폴더 %1은(는) 링크입니다. 삭제한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>The download folder %1 belongs to another user; remove it and try again.</source>
        <translation>다운로드 폴더 %1은(는) 다른 사용자의 소유입니다. 삭제한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>No update server configured (.env) -- using the bundled command library only.</source>
        <translation>업데이트 서버가 구성되지 않았습니다(.env). 기본 제공 명령 라이브러리만 사용합니다.</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>업데이트 확인 중…</translation>
    </message>
    <message>
        <source>Command library is up to date (%1).</source>
        <translation>명령 라이브러리가 최신 상태입니다(%1).</translation>
    </message>
    <message>
        <source>Version %1 is available, but requires app version %2 or later -- please update the app first.</source>
        <translation>버전 %1을(를) 사용할 수 있지만 앱 버전 %2 이상이 필요합니다. 먼저 앱을 업데이트하세요.</translation>
    </message>
    <message>
        <source>Version %1 is available.</source>
        <translation>버전 %1을(를) 사용할 수 있습니다.</translation>
    </message>
    <message>
        <source>Downloading…</source>
        <translation>다운로드 중…</translation>
    </message>
    <message>
        <source>Downloaded data could not be applied: %1</source>
        <translation>다운로드한 데이터를 적용할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>Updated to %1.</source>
        <translation>%1(으)로 업데이트했습니다.</translation>
    </message>
    <message>
        <source>No update server configured (.env).</source>
        <translation>업데이트 서버가 구성되지 않았습니다(.env).</translation>
    </message>
    <message>
        <source>You&apos;re on the latest version (%1).</source>
        <translation>최신 버전을 사용 중입니다(%1).</translation>
    </message>
    <message>
        <source>Version %1 is available, but requires updating from version %2 or later first -- please reinstall the app before trying again.</source>
        <translation>버전 %1을(를) 사용할 수 있지만 버전 %2 이상에서만 업데이트할 수 있습니다. 앱을 다시 설치한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>No temporary-files folder is available for the download.</source>
        <translation>다운로드에 사용할 임시 파일 폴더가 없습니다.</translation>
    </message>
    <message>
        <source>Downloading update…</source>
        <translation>업데이트 다운로드 중…</translation>
    </message>
    <message>
        <source>Download cancelled.</source>
        <translation>다운로드를 취소했습니다.</translation>
    </message>
    <message>
        <source>Installing update %1…</source>
        <translation>업데이트 %1 설치 중…</translation>
    </message>
    <message>
        <source>Self-update isn&apos;t supported on this platform yet -- please download the new version manually.</source>
        <translation>이 플랫폼에서는 아직 자동 업데이트를 지원하지 않습니다. 새 버전을 직접 다운로드하세요.</translation>
    </message>
    <message>
        <source>Not put into the send box: %L1 characters are more than a command may be (%L2).</source>
        <translation>보내기 상자에 넣지 않았습니다: %L1자는 명령이 가질 수 있는 길이(%L2)보다 깁니다.</translation>
    </message>
    <message>
        <source>Filled in, this command would be longer than %L1 characters, more than a command may be; check the values.</source>
        <translation>값을 채우면 이 명령은 %L1자보다 길어져 명령의 한도를 넘습니다. 값을 확인하세요.</translation>
    </message>
    <message numerus="yes">
        <source>The continuous log %1 is written again. Lines that could not be written to it: %n (%2); a line in the file marks where.</source>
        <translation>
            <numerusform>연속 로그 %1에 다시 쓰고 있습니다. 쓰지 못한 줄: %n (%2). 파일 안의 한 줄이 그 위치를 표시합니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lines that never reached the continuous log %1: %n (%2).</source>
        <translation>
            <numerusform>연속 로그 %1에 닿지 못한 줄: %n (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>The new command library is in use, but it could not be kept for the next start: %1</source>
        <translation>새 명령 라이브러리를 사용 중이지만 다음 시작을 위해 보관하지 못했습니다: %1</translation>
    </message>
    <message>
        <source>Send mode switched to ASCII: this command is text.</source>
        <translation>전송 모드를 ASCII로 바꿨습니다: 이 명령은 텍스트입니다.</translation>
    </message>
    <message>
        <source>Serial settings of %1 now shown for the next open: %2</source>
        <translation>다음 열기를 위해 %1의 시리얼 설정을 표시합니다: %2</translation>
    </message>
    <message>
        <source>[file %1 · bytes sent: %L2]</source>
        <translation>[파일 %1 · 보낸 바이트: %L2]</translation>
    </message>
    <message>
        <source>%1 sent.</source>
        <translation>%1을(를) 보냈습니다.</translation>
    </message>
    <message>
        <source>Sending %1 cancelled; bytes sent: %L2.</source>
        <translation>%1 보내기를 취소했습니다. 보낸 바이트: %L2.</translation>
    </message>
</context>
<context>
    <name>BatchStepReply</name>
    <message>
        <source>Wait for</source>
        <translation>기다릴 응답</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>text</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>regular expression</source>
        <translation>정규식</translation>
    </message>
    <message>
        <source>hex bytes</source>
        <translation>16진 바이트</translation>
    </message>
    <message>
        <source>e.g. 01 03 ?? ??</source>
        <translation>예: 01 03 ?? ??</translation>
    </message>
    <message>
        <source>e.g. T=[0-9]+</source>
        <translation>예: T=[0-9]+</translation>
    </message>
    <message>
        <source>e.g. OK</source>
        <translation>예: OK</translation>
    </message>
    <message>
        <source>If no reply within</source>
        <translation>응답 없이</translation>
    </message>
    <message>
        <source>ms:</source>
        <translation>ms 경과 시:</translation>
    </message>
    <message>
        <source>stop the batch</source>
        <translation>일괄 명령 중지</translation>
    </message>
    <message>
        <source>go on</source>
        <translation>계속</translation>
    </message>
</context>
<context>
    <name>CommandLibraryPanel</name>
    <message>
        <source>Device model · Model</source>
        <translation>장치 모델 · Model</translation>
    </message>
    <message>
        <source>Search commands</source>
        <translation>명령 검색</translation>
    </message>
    <message>
        <source>Drag a row to reorder</source>
        <translation>행을 끌어서 순서 변경</translation>
    </message>
    <message>
        <source>Batch commands</source>
        <translation>일괄 명령</translation>
    </message>
    <message>
        <source>New template</source>
        <translation>새 템플릿</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>편집</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Edit template</source>
        <translation>템플릿 편집</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>e.g. Reset device</source>
        <translation>예: 장치 재설정</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>내용</translation>
    </message>
    <message>
        <source>The literal text to send</source>
        <translation>그대로 보낼 텍스트</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>No batch commands yet</source>
        <translation>아직 일괄 명령이 없습니다</translation>
    </message>
    <message>
        <source>%1 steps · %2 ms interval</source>
        <translation>%1단계 · 간격 %2ms</translation>
    </message>
    <message>
        <source>■ Stop</source>
        <translation>■ 중지</translation>
    </message>
    <message>
        <source>▶ Run</source>
        <translation>▶ 실행</translation>
    </message>
    <message>
        <source>New batch</source>
        <translation>새 일괄 명령</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Edit batch command</source>
        <translation>일괄 명령 편집</translation>
    </message>
    <message>
        <source>New batch command</source>
        <translation>새 일괄 명령</translation>
    </message>
    <message>
        <source>e.g. Startup sequence</source>
        <translation>예: 시작 시퀀스</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>간격</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>단계</translation>
    </message>
    <message>
        <source>Command text</source>
        <translation>명령 텍스트</translation>
    </message>
    <message>
        <source>CRC</source>
        <translation>CRC</translation>
    </message>
    <message>
        <source>Add step</source>
        <translation>단계 추가</translation>
    </message>
    <message>
        <source>Delete template</source>
        <translation>템플릿 삭제</translation>
    </message>
    <message>
        <source>Delete the template &quot;%1&quot;? This cannot be undone.</source>
        <translation>템플릿 &quot;%1&quot;을(를) 삭제할까요? 되돌릴 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Korvel Serial Assistant: a serial terminal for Korvel sensors and any other serial device.</source>
        <translation>Korvel 시리얼 어시스턴트: Korvel 센서 및 기타 모든 시리얼 장치를 위한 시리얼 터미널.</translation>
    </message>
    <message>
        <source>Choose the port PATH: a name from the port list (ttyUSB0) or any device path (/dev/serial/by-id/..., /tmp/hx4).</source>
        <translation>포트 PATH를 지정합니다: 포트 목록의 이름(ttyUSB0) 또는 임의의 장치 경로(/dev/serial/by-id/..., /tmp/hx4).</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>PATH</translation>
    </message>
    <message>
        <source>Use N bits per second, one of %1.</source>
        <translation>초당 N비트를 사용합니다. 다음 중 하나: %1.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Open the port at start-up, with the serial settings the window shows.</source>
        <translation>시작할 때 창에 표시된 시리얼 설정으로 포트를 엽니다.</translation>
    </message>
    <message>
        <source>Run &quot;%1 --help&quot; to see the options.</source>
        <translation>옵션을 보려면 &quot;%1 --help&quot;를 실행하세요.</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;.</source>
        <translation>예상하지 못한 인수 &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--port needs a port name or a device path.</source>
        <translation>--port에는 포트 이름이나 장치 경로가 필요합니다.</translation>
    </message>
    <message>
        <source>--baud: &quot;%1&quot; is not a baud rate the window offers (%2).</source>
        <translation>--baud: &quot;%1&quot;은(는) 창에서 제공하는 보드레이트가 아닙니다(%2).</translation>
    </message>
</context>
<context>
    <name>CommandParamsPanel</name>
    <message>
        <source>Needs parameters</source>
        <translation>매개변수 필요</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>삽입</translation>
    </message>
</context>
<context>
    <name>ControlLines</name>
    <message>
        <source>Reset device pulses RTS, which RTS/CTS flow control drives: choose DTR for the reset.</source>
        <translation>장치 재설정은 RTS를 사용하지만 RTS는 RTS/CTS 흐름 제어가 구동합니다. 재설정에는 DTR을 선택하십시오.</translation>
    </message>
    <message>
        <source>Reset device: %1 pulsed for %2 ms.</source>
        <translation>장치 재설정: %1에 %2 ms 펄스를 보냈습니다.</translation>
    </message>
    <message>
        <source>The port did not send a break.</source>
        <translation>포트가 브레이크를 보내지 않았습니다.</translation>
    </message>
    <message>
        <source>Break sent (%1 ms).</source>
        <translation>브레이크를 보냈습니다(%1 ms).</translation>
    </message>
    <message>
        <source>This port has no modem control lines.</source>
        <translation>이 포트에는 모뎀 제어선이 없습니다.</translation>
    </message>
</context>
<context>
    <name>ControlLinesPanel</name>
    <message>
        <source>This port has no modem control lines.</source>
        <translation>이 포트에는 모뎀 제어선이 없습니다.</translation>
    </message>
    <message>
        <source>Control lines</source>
        <translation>제어선</translation>
    </message>
    <message>
        <source>RTS/CTS flow control drives RTS while the port is open.</source>
        <translation>포트가 열려 있는 동안 RTS/CTS 흐름 제어가 RTS를 구동합니다.</translation>
    </message>
    <message>
        <source>Reset device</source>
        <translation>장치 재설정</translation>
    </message>
    <message>
        <source>Assert DTR after opening</source>
        <translation>연 후 DTR 켜기</translation>
    </message>
    <message>
        <source>Assert RTS after opening</source>
        <translation>연 후 RTS 켜기</translation>
    </message>
    <message>
        <source>Reset pulses</source>
        <translation>재설정 펄스</translation>
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
        <translation>데이터 모니터</translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation>%1줄</translation>
    </message>
    <message>
        <source>Rx %1</source>
        <translation>수신 %1</translation>
    </message>
    <message>
        <source>Tx %1</source>
        <translation>송신 %1</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Clear log</source>
        <translation>로그 지우기</translation>
    </message>
    <message>
        <source>Save log…</source>
        <translation>로그 저장…</translation>
    </message>
    <message numerus="yes">
        <source>Paused · %n new lines</source>
        <translation>
            <numerusform>일시 정지됨 · 새 줄 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>The log is full: the lines in view are being dropped.</source>
        <translation>로그가 가득 찼습니다: 보고 있는 줄이 삭제되고 있습니다.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>재개</translation>
    </message>
    <message>
        <source>Show as JSON</source>
        <translation>JSON으로 보기</translation>
    </message>
</context>
<context>
    <name>DeviceLibraryUpdateClient</name>
    <message>
        <source>Remote update server not configured (.env).</source>
        <translation>원격 업데이트 서버가 구성되지 않았습니다(.env).</translation>
    </message>
    <message>
        <source>Malformed response: %1</source>
        <translation>응답 형식이 잘못되었습니다: %1</translation>
    </message>
    <message>
        <source>Checksum mismatch -- downloaded data may be corrupted.</source>
        <translation>체크섬이 일치하지 않습니다. 다운로드한 데이터가 손상되었을 수 있습니다.</translation>
    </message>
    <message>
        <source>Response has no models[] array.</source>
        <translation>응답에 models[] 배열이 없습니다.</translation>
    </message>
</context>
<context>
    <name>DriverHintDialog</name>
    <message>
        <source>Serial driver may be missing</source>
        <translation>시리얼 드라이버가 없을 수 있습니다</translation>
    </message>
    <message>
        <source>Download driver</source>
        <translation>드라이버 다운로드</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>The CH340 USB-to-serial driver doesn&apos;t appear to be installed on this computer. Without it, a connected Korvel device won&apos;t show up as an available serial port.</source>
        <translation>이 컴퓨터에 CH340 USB-시리얼 드라이버가 설치되어 있지 않은 것 같습니다. 드라이버가 없으면 연결된 Korvel 장치가 사용 가능한 시리얼 포트로 표시되지 않습니다.</translation>
    </message>
    <message>
        <source>Don&apos;t show this again</source>
        <translation>다시 표시 안 함</translation>
    </message>
</context>
<context>
    <name>DriverListDialog</name>
    <message>
        <source>Driver downloads</source>
        <translation>드라이버 다운로드</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>No drivers are relevant on this platform.</source>
        <translation>이 플랫폼에는 필요한 드라이버가 없습니다.</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>설치됨</translation>
    </message>
    <message>
        <source>Not detected</source>
        <translation>감지되지 않음</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>다운로드</translation>
    </message>
    <message>
        <source>USB-to-serial driver used by most Korvel devices</source>
        <translation>대부분의 Korvel 장치에서 사용하는 USB-시리얼 드라이버</translation>
    </message>
</context>
<context>
    <name>FieldMonitor</name>
    <message numerus="yes">
        <source>Only the first %1 fields are kept. Not added (%n or more): %2.</source>
        <translation>
            <numerusform>처음 %1개 필드만 유지됩니다. 추가되지 않음(%n개 이상): %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only the first %1 fields are kept. Not added (%n): %2.</source>
        <translation>
            <numerusform>처음 %1개 필드만 유지됩니다. 추가되지 않음(%n개): %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lines not read (%n): broken JSON, nested deeper than %1 levels or longer than %2 KiB.</source>
        <translation>
            <numerusform>읽지 않은 줄(%n): 깨진 JSON, %1단계보다 깊은 중첩 또는 %2 KiB보다 긴 줄.</numerusform>
        </translation>
    </message>
    <message>
        <source>This line is no longer in the log.</source>
        <translation>이 줄은 더 이상 로그에 없습니다.</translation>
    </message>
    <message>
        <source>Enter a file name.</source>
        <translation>파일 이름을 입력하세요.</translation>
    </message>
</context>
<context>
    <name>FieldPlot</name>
    <message>
        <source>The picture could not be written to %1.</source>
        <translation>이미지를 %1에 쓸 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>FieldsPanel</name>
    <message>
        <source>Saved to %1</source>
        <translation>%1에 저장됨</translation>
    </message>
    <message>
        <source>Fields</source>
        <translation>필드</translation>
    </message>
    <message>
        <source>The fields of received JSON objects, label:value lines and lines of numbers appear here, with a live plot.</source>
        <translation>수신한 JSON 객체, label:value 줄, 숫자 줄의 필드가 실시간 그래프와 함께 여기에 표시됩니다.</translation>
    </message>
    <message>
        <source>10 s</source>
        <translation>10초</translation>
    </message>
    <message>
        <source>1 min</source>
        <translation>1분</translation>
    </message>
    <message>
        <source>10 min</source>
        <translation>10분</translation>
    </message>
    <message>
        <source>All kept</source>
        <translation>전체</translation>
    </message>
    <message>
        <source>Time shown in the plot</source>
        <translation>그래프에 표시할 시간</translation>
    </message>
    <message>
        <source>Fit values</source>
        <translation>값에 맞춤</translation>
    </message>
    <message>
        <source>min</source>
        <translation>최소</translation>
    </message>
    <message>
        <source>max</source>
        <translation>최대</translation>
    </message>
    <message>
        <source>Pause plot</source>
        <translation>그래프 일시 중지</translation>
    </message>
    <message>
        <source>Clear fields</source>
        <translation>필드 지우기</translation>
    </message>
    <message>
        <source>Save plot as PNG…</source>
        <translation>그래프를 PNG로 저장…</translation>
    </message>
    <message>
        <source>Save samples as CSV…</source>
        <translation>샘플을 CSV로 저장…</translation>
    </message>
    <message>
        <source>Hide fields</source>
        <translation>필드 숨기기</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>필드</translation>
    </message>
    <message>
        <source>Latest</source>
        <translation>최신</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>최소</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>최대</translation>
    </message>
    <message>
        <source>Rate/s</source>
        <translation>회/초</translation>
    </message>
    <message>
        <source>Samples</source>
        <translation>샘플</translation>
    </message>
    <message>
        <source>Tick numeric fields in the table to plot them.</source>
        <translation>표에서 숫자 필드를 선택하면 그래프에 표시됩니다.</translation>
    </message>
    <message>
        <source>Save plot as PNG</source>
        <translation>그래프를 PNG로 저장</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG 이미지 (*.png)</translation>
    </message>
    <message>
        <source>Save samples as CSV</source>
        <translation>샘플을 CSV로 저장</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 파일 (*.csv)</translation>
    </message>
</context>
<context>
    <name>FileSendDialog</name>
    <message>
        <source>Send file</source>
        <translation>파일 보내기</translation>
    </message>
    <message>
        <source>File to send</source>
        <translation>보낼 파일</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>찾아보기…</translation>
    </message>
    <message>
        <source>Raw bytes, as they are in the file</source>
        <translation>파일에 있는 그대로의 원시 바이트</translation>
    </message>
    <message>
        <source>Text, line by line, each line ended by %1</source>
        <translation>텍스트, 한 줄씩, 각 줄 끝에 %1</translation>
    </message>
    <message>
        <source>Pause after each line or piece</source>
        <translation>각 줄 또는 조각 뒤 대기</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>보내기</translation>
    </message>
</context>
<context>
    <name>FileSendProgress</name>
    <message>
        <source>Sending %1</source>
        <translation>%1 보내는 중</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>%1 of %2 sent</source>
        <translation>%2 중 %1 보냄</translation>
    </message>
    <message>
        <source>%1 of %2 sent · about %L3 s left</source>
        <translation>%2 중 %1 보냄 · 약 %L3초 남음</translation>
    </message>
</context>
<context>
    <name>FileSender</name>
    <message>
        <source>The port closed before the whole file was sent.</source>
        <translation>파일 전체를 보내기 전에 포트가 닫혔습니다.</translation>
    </message>
    <message>
        <source>A file is being sent already.</source>
        <translation>이미 파일을 보내는 중입니다.</translation>
    </message>
    <message>
        <source>Port is not open — click &quot;Open port&quot; first.</source>
        <translation>포트가 열려 있지 않습니다. 먼저 &apos;포트 열기&apos;를 클릭하세요.</translation>
    </message>
    <message>
        <source>Cannot send %1: %2</source>
        <translation>%1을(를) 보낼 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Reading %1 failed: %2</source>
        <translation>%1 읽기에 실패했습니다: %2</translation>
    </message>
    <message>
        <source>The port did not take the data of %1.</source>
        <translation>포트가 %1의 데이터를 받지 않았습니다.</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Searching…</source>
        <translation>검색 중…</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>일치 항목 없음</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n개 일치</numerusform>
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
        <translation>바이트 찾기(16진수, 예: 0A 01 7F)</translation>
    </message>
    <message>
        <source>Find in the log</source>
        <translation>로그에서 찾기</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>정규식</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>대소문자 구분</translation>
    </message>
    <message>
        <source>Search received lines</source>
        <translation>받은 줄 검색</translation>
    </message>
    <message>
        <source>Search sent lines</source>
        <translation>보낸 줄 검색</translation>
    </message>
    <message>
        <source>Search notices</source>
        <translation>알림 검색</translation>
    </message>
    <message>
        <source>Search errors</source>
        <translation>오류 검색</translation>
    </message>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation>이전 일치 (Shift+F3)</translation>
    </message>
    <message>
        <source>Next match (F3)</source>
        <translation>다음 일치 (F3)</translation>
    </message>
    <message>
        <source>Only matches</source>
        <translation>일치 항목만</translation>
    </message>
    <message>
        <source>Show only the lines that match</source>
        <translation>일치하는 줄만 표시</translation>
    </message>
    <message numerus="yes">
        <source>%n lines hidden</source>
        <translation>
            <numerusform>%n줄 숨김</numerusform>
        </translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>닫기 (Esc)</translation>
    </message>
</context>
<context>
    <name>FramingOptions</name>
    <message>
        <source>Lines</source>
        <translation>줄</translation>
    </message>
    <message>
        <source>Frames by silence</source>
        <translation>무신호로 프레임 구분</translation>
    </message>
    <message>
        <source>Frame pause</source>
        <translation>프레임 간격</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>With CRC on, each frame is marked by its CRC-16/MODBUS.</source>
        <translation>CRC를 켜면 각 프레임에 CRC-16/MODBUS 판정이 표시됩니다.</translation>
    </message>
</context>
<context>
    <name>HighlightRuleModel</name>
    <message numerus="yes">
        <source>No more than %n rules can be kept.</source>
        <translation>
            <numerusform>규칙은 최대 %n개까지 저장할 수 있습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>The rule needs a pattern.</source>
        <translation>규칙에는 패턴이 필요합니다.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour of the palette.</source>
        <translation>&quot;%1&quot;은(는) 팔레트의 색이 아닙니다.</translation>
    </message>
</context>
<context>
    <name>HighlightRulesEditor</name>
    <message>
        <source>No rules yet: lines keep the monitor&apos;s colours.</source>
        <translation>아직 규칙이 없습니다. 줄은 모니터의 색을 유지합니다.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>편집</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>제거</translation>
    </message>
    <message>
        <source>Text to colour, e.g. ERROR</source>
        <translation>색을 입힐 텍스트(예: ERROR)</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>정규식</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Save rule</source>
        <translation>규칙 저장</translation>
    </message>
    <message>
        <source>Add rule</source>
        <translation>규칙 추가</translation>
    </message>
    <message>
        <source>Highlight rules</source>
        <translation>강조 규칙</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>JsonLineDialog</name>
    <message>
        <source>Line as JSON</source>
        <translation>JSON으로 본 줄</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>JsonText</name>
    <message>
        <source>the line ends before the JSON value is complete</source>
        <translation>JSON 값이 끝나기 전에 줄이 끝납니다</translation>
    </message>
    <message>
        <source>a value was expected</source>
        <translation>값이 와야 합니다</translation>
    </message>
    <message>
        <source>a key in double quotes was expected</source>
        <translation>큰따옴표로 묶은 키가 와야 합니다</translation>
    </message>
    <message>
        <source>&quot;:&quot; was expected after the key</source>
        <translation>키 뒤에 &quot;:&quot;가 와야 합니다</translation>
    </message>
    <message>
        <source>&quot;,&quot; or &quot;}&quot; was expected</source>
        <translation>&quot;,&quot; 또는 &quot;}&quot;가 와야 합니다</translation>
    </message>
    <message>
        <source>&quot;,&quot; or &quot;]&quot; was expected</source>
        <translation>&quot;,&quot; 또는 &quot;]&quot;가 와야 합니다</translation>
    </message>
    <message>
        <source>the number is malformed</source>
        <translation>숫자 형식이 잘못되었습니다</translation>
    </message>
    <message>
        <source>a string holds an unknown escape sequence</source>
        <translation>문자열에 알 수 없는 이스케이프 시퀀스가 있습니다</translation>
    </message>
    <message>
        <source>a string holds a control character</source>
        <translation>문자열에 제어 문자가 있습니다</translation>
    </message>
    <message>
        <source>a string holds bytes that are not UTF-8</source>
        <translation>문자열에 UTF-8이 아닌 바이트가 있습니다</translation>
    </message>
    <message>
        <source>it is nested deeper than %1 levels</source>
        <translation>중첩이 %1단계를 넘습니다</translation>
    </message>
    <message>
        <source>more text follows the JSON value</source>
        <translation>JSON 값 뒤에 다른 텍스트가 있습니다</translation>
    </message>
    <message>
        <source>The line is too long to show as JSON (%1 bytes).</source>
        <translation>줄이 너무 길어 JSON으로 표시할 수 없습니다(%1바이트).</translation>
    </message>
    <message>
        <source>The line is empty: it holds no JSON.</source>
        <translation>줄이 비어 있어 JSON이 없습니다.</translation>
    </message>
    <message>
        <source>Not valid JSON from character %1 on: %2.</source>
        <translation>%1번째 문자부터 올바른 JSON이 아닙니다: %2.</translation>
    </message>
</context>
<context>
    <name>LibraryCache</name>
    <message>
        <source>The library is larger than %1 bytes.</source>
        <translation>라이브러리가 %1바이트보다 큽니다.</translation>
    </message>
</context>
<context>
    <name>LineEndChooser</name>
    <message>
        <source>Line end</source>
        <translation>줄 끝</translation>
    </message>
</context>
<context>
    <name>LogFileWriter</name>
    <message>
        <source>the disk did not keep up with the lines</source>
        <translation>디스크가 줄의 속도를 따라가지 못했습니다</translation>
    </message>
</context>
<context>
    <name>LogListModel</name>
    <message>
        <source>[CRC ok]</source>
        <translation>[CRC 정상]</translation>
    </message>
    <message>
        <source>[CRC bad]</source>
        <translation>[CRC 오류]</translation>
    </message>
</context>
<context>
    <name>LogManager</name>
    <message numerus="yes">
        <source>Lines that could not be written here: %n (%1)</source>
        <translation>
            <numerusform>여기에 쓰지 못한 줄: %n (%1)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LogMatcher</name>
    <message numerus="yes">
        <source>The pattern is longer than %n characters.</source>
        <translation>
            <numerusform>패턴이 %n자를 넘습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>Invalid regular expression: %1 (at character %2)</source>
        <translation>잘못된 정규식: %1 (%2번째 문자)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; at position %2 is not a hex digit.</source>
        <translation>%2번째 위치의 &quot;%1&quot;은(는) 16진수 숫자가 아닙니다.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Korvel Serial Assistant</source>
        <translation>Korvel 시리얼 어시스턴트</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <source>Save log</source>
        <translation>로그 저장</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>편집(&amp;E)</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>지우기</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>포트(&amp;P)</translation>
    </message>
    <message>
        <source>Open device path…</source>
        <translation>장치 경로 열기…</translation>
    </message>
    <message>
        <source>Reconnect automatically</source>
        <translation>자동으로 다시 연결</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>보기(&amp;V)</translation>
    </message>
    <message>
        <source>Pause scrolling</source>
        <translation>스크롤 일시 중지</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>도구(&amp;T)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>Driver downloads</source>
        <translation>드라이버 다운로드</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>보내기</translation>
    </message>
    <message>
        <source>Serial driver not installed — click for details</source>
        <translation>시리얼 드라이버가 설치되지 않음 — 클릭하여 자세히 보기</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>숨기기</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>시리얼</translation>
    </message>
    <message>
        <source>Device commands</source>
        <translation>장치 명령</translation>
    </message>
    <message>
        <source>Failed to open port</source>
        <translation>포트를 열지 못했습니다</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Stop continuous logging</source>
        <translation>연속 기록 중지</translation>
    </message>
    <message>
        <source>Clear monitor</source>
        <translation>모니터 지우기</translation>
    </message>
    <message>
        <source>Close port</source>
        <translation>포트 닫기</translation>
    </message>
    <message>
        <source>Open port</source>
        <translation>포트 열기</translation>
    </message>
    <message>
        <source>Check for updates…</source>
        <translation>업데이트 확인…</translation>
    </message>
    <message>
        <source>Fields and plot</source>
        <translation>필드와 그래프</translation>
    </message>
    <message>
        <source>Find…</source>
        <translation>찾기…</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>찾기</translation>
    </message>
    <message>
        <source>Reset device</source>
        <translation>장치 재설정</translation>
    </message>
    <message>
        <source>Send break</source>
        <translation>브레이크 보내기</translation>
    </message>
    <message>
        <source>Send file…</source>
        <translation>파일 보내기…</translation>
    </message>
</context>
<context>
    <name>PortAccess</name>
    <message>
        <source>%1 does not exist. Check the path, and that the device is plugged in.</source>
        <translation>%1: 존재하지 않는 경로입니다. 경로가 올바른지, 장치가 연결되어 있는지 확인하세요.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a serial device.</source>
        <translation>%1: 폴더이며 시리얼 장치가 아닙니다.</translation>
    </message>
    <message>
        <source>%1 is a regular file, not a serial device.</source>
        <translation>%1: 일반 파일이며 시리얼 장치가 아닙니다.</translation>
    </message>
    <message>
        <source>%1 is not a serial device.</source>
        <translation>%1: 시리얼 장치가 아닙니다.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>%1을(를) 열 수 없습니다: %2.</translation>
    </message>
    <message>
        <source>It is not a serial device.</source>
        <translation>시리얼 장치가 아닙니다.</translation>
    </message>
    <message>
        <source>To get access on Linux, add your user to the group that owns the device (%1), for example with &quot;sudo usermod -aG %1 $USER&quot;, then log out and log in again.</source>
        <translation>Linux에서 접근 권한을 얻으려면 장치를 소유한 그룹(%1)에 사용자를 추가하세요(예: &quot;sudo usermod -aG %1 $USER&quot;). 그런 다음 로그아웃했다가 다시 로그인하세요.</translation>
    </message>
    <message>
        <source>It is in use by another program: %1 (process %2). Close the port there, then try again.</source>
        <translation>다른 프로그램이 사용 중입니다: %1(프로세스 %2). 해당 프로그램에서 포트를 닫은 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>It is in use by another program (process %1). Close the port there, then try again.</source>
        <translation>다른 프로그램이 사용 중입니다(프로세스 %1). 해당 프로그램에서 포트를 닫은 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>It is in use by another program. Close the port there, then try again.</source>
        <translation>다른 프로그램이 사용 중입니다. 해당 프로그램에서 포트를 닫은 후 다시 시도하세요.</translation>
    </message>
</context>
<context>
    <name>PortComboBox</name>
    <message>
        <source>No ports found</source>
        <translation>포트를 찾을 수 없음</translation>
    </message>
    <message>
        <source>Open a device path…</source>
        <translation>장치 경로 열기…</translation>
    </message>
    <message>
        <source>A device the list does not show</source>
        <translation>목록에 표시되지 않는 장치</translation>
    </message>
    <message>
        <source>Device path</source>
        <translation>장치 경로</translation>
    </message>
    <message>
        <source>Unknown device</source>
        <translation>알 수 없는 장치</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>경로</translation>
    </message>
    <message>
        <source>%1 is gone</source>
        <translation>%1이(가) 사라졌습니다</translation>
    </message>
    <message>
        <source>Choose a port</source>
        <translation>포트 선택</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>no temporary-files folder is available for the update</source>
        <translation>업데이트에 사용할 임시 파일 폴더가 없습니다</translation>
    </message>
    <message>
        <source>could not start &apos;tar&apos; (bundled with Windows 10 1803+/Windows 11) -- %1</source>
        <translation>&apos;tar&apos;를 시작할 수 없습니다(Windows 10 1803+/Windows 11에 기본 포함) — %1</translation>
    </message>
    <message>
        <source>&apos;tar&apos; timed out extracting the update</source>
        <translation>업데이트 압축을 푸는 중 &apos;tar&apos; 시간 초과</translation>
    </message>
    <message>
        <source>&apos;tar&apos; failed (exit %1): %2</source>
        <translation>&apos;tar&apos; 실패(종료 코드 %1): %2</translation>
    </message>
    <message>
        <source>downloaded archive doesn&apos;t contain %1 -- not a valid release package</source>
        <translation>다운로드한 아카이브에 %1이(가) 없습니다. 올바른 릴리스 패키지가 아닙니다</translation>
    </message>
    <message>
        <source>could not write updater script to %1: %2</source>
        <translation>업데이트 스크립트를 %1에 쓸 수 없습니다: %2</translation>
    </message>
    <message>
        <source>the update service published no checksum for this package -- it can&apos;t be verified</source>
        <translation>업데이트 서비스가 이 패키지의 체크섬을 게시하지 않았습니다. 검증할 수 없습니다</translation>
    </message>
    <message>
        <source>the downloaded update doesn&apos;t match its published checksum -- it may be damaged or tampered with</source>
        <translation>다운로드한 업데이트가 게시된 체크섬과 일치하지 않습니다. 손상되었거나 변조되었을 수 있습니다</translation>
    </message>
    <message>
        <source>could not start the updater script %1</source>
        <translation>업데이트 스크립트 %1을(를) 시작할 수 없습니다</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>It is not a regular file.</source>
        <translation>일반 파일이 아닙니다.</translation>
    </message>
    <message>
        <source>It is larger than %1 bytes.</source>
        <translation>%1바이트보다 큽니다.</translation>
    </message>
</context>
<context>
    <name>RemoteAssistPanel</name>
    <message>
        <source>Remote support</source>
        <translation>원격 지원</translation>
    </message>
    <message>
        <source>Send the code below to Korvel support so they can connect to your computer and help diagnose device issues.</source>
        <translation>아래 코드를 Korvel 지원팀에 보내면 지원팀이 컴퓨터에 연결하여 장치 문제 진단을 도와드립니다.</translation>
    </message>
    <message>
        <source>Your code</source>
        <translation>내 코드</translation>
    </message>
    <message>
        <source>Valid for 10 minutes · this session only</source>
        <translation>10분간 유효 · 이번 세션에서만</translation>
    </message>
    <message>
        <source>Copy code</source>
        <translation>코드 복사</translation>
    </message>
    <message>
        <source>Regenerate</source>
        <translation>다시 생성</translation>
    </message>
    <message>
        <source>One-time password</source>
        <translation>일회용 비밀번호</translation>
    </message>
    <message>
        <source>Allow support to send/receive on the serial port</source>
        <translation>지원팀이 시리얼 포트로 송수신하도록 허용</translation>
    </message>
    <message>
        <source>Share this session&apos;s log</source>
        <translation>이번 세션의 로그 공유</translation>
    </message>
    <message>
        <source>Allow full desktop control</source>
        <translation>데스크톱 전체 제어 허용</translation>
    </message>
    <message>
        <source>Start session</source>
        <translation>세션 시작</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>연결되지 않음</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Remote support requires a signaling/relay service that this build does not include yet. The session code and permissions above are ready to wire up once that transport exists.</source>
        <translation>원격 지원에는 시그널링/릴레이 서비스가 필요하지만 이 빌드에는 아직 포함되어 있지 않습니다. 해당 전송 수단이 마련되면 위의 세션 코드와 권한을 바로 연결할 수 있습니다.</translation>
    </message>
</context>
<context>
    <name>ReplyGuard</name>
    <message numerus="yes">
        <source>The transfer did not finish in time (%n s).</source>
        <translation>
            <numerusform>전송이 제시간에 끝나지 않았습니다(%n초).</numerusform>
        </translation>
    </message>
    <message>
        <source>The answer is larger than %1 bytes, more than this request can need.</source>
        <translation>응답이 %1바이트보다 커서 이 요청에 필요한 양을 넘습니다.</translation>
    </message>
    <message numerus="yes">
        <source>The download made no progress for %n s.</source>
        <translation>
            <numerusform>다운로드가 %n초 동안 진행되지 않았습니다.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReplyPattern</name>
    <message>
        <source>&quot;%1&quot; at position %2 is neither a hex digit nor part of &quot;??&quot;.</source>
        <translation>%2번째 위치의 &apos;%1&apos;은(는) 16진수 숫자도 &apos;??&apos;의 일부도 아닙니다.</translation>
    </message>
    <message>
        <source>Enter what the reply must contain.</source>
        <translation>응답에 포함되어야 할 내용을 입력하세요.</translation>
    </message>
    <message>
        <source>text &quot;%1&quot;</source>
        <translation>텍스트 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>regular expression &quot;%1&quot;</source>
        <translation>정규식 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>hex bytes %1</source>
        <translation>16진 바이트 %1</translation>
    </message>
</context>
<context>
    <name>ReplyWait</name>
    <message>
        <source>Step %1: the reply pattern cannot be used: %2</source>
        <translation>단계 %1: 응답 패턴을 사용할 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Step %1: waiting up to %2 ms for a reply matching %3.</source>
        <translation>단계 %1: %3와(과) 일치하는 응답을 최대 %2ms 동안 기다리는 중.</translation>
    </message>
    <message>
        <source>Step %1: the port closed while waiting for the reply.</source>
        <translation>단계 %1: 응답을 기다리는 동안 포트가 닫혔습니다.</translation>
    </message>
    <message>
        <source>Step %1: a reply matching %2 came after %3 ms.</source>
        <translation>단계 %1: %2와(과) 일치하는 응답이 %3ms 후에 도착했습니다.</translation>
    </message>
    <message>
        <source>Step %1: no reply matching %2 within %3 ms; going on.</source>
        <translation>단계 %1: %3ms 안에 %2와(과) 일치하는 응답이 없습니다. 계속합니다.</translation>
    </message>
    <message>
        <source>Step %1: no reply matching %2 within %3 ms.</source>
        <translation>단계 %1: %3ms 안에 %2와(과) 일치하는 응답이 없습니다.</translation>
    </message>
</context>
<context>
    <name>SaveLogDialog</name>
    <message>
        <source>Save session log</source>
        <translation>세션 로그 저장</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>파일 이름</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>위치</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>찾아보기…</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>형식</translation>
    </message>
    <message>
        <source>Plain text (.log)</source>
        <translation>일반 텍스트(.log)</translation>
    </message>
    <message>
        <source>HEX dump</source>
        <translation>HEX 덤프</translation>
    </message>
    <message>
        <source>Continue logging to disk, rotating the file every day</source>
        <translation>디스크에 계속 기록하고 매일 새 파일로 교체</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Logging now to %1</source>
        <translation>현재 %1에 기록 중</translation>
    </message>
    <message>
        <source>Saving stops logging to %1</source>
        <translation>저장하면 %1에 대한 기록이 중지됩니다</translation>
    </message>
</context>
<context>
    <name>SendArea</name>
    <message>
        <source>Type data to send…</source>
        <translation>보낼 데이터를 입력하세요…</translation>
    </message>
    <message>
        <source>Send as</source>
        <translation>전송 형식</translation>
    </message>
    <message>
        <source>CRC16</source>
        <translation>CRC16</translation>
    </message>
    <message>
        <source>Enter sends · Shift+Enter new line</source>
        <translation>Enter로 전송 · Shift+Enter로 줄 바꿈</translation>
    </message>
    <message>
        <source>Ctrl+Enter sends</source>
        <translation>Ctrl+Enter로 전송</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>보내기</translation>
    </message>
    <message>
        <source>Send (Ctrl+Enter)</source>
        <translation>보내기(Ctrl+Enter)</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>지우기</translation>
    </message>
    <message>
        <source>History</source>
        <translation>기록</translation>
    </message>
    <message>
        <source>Send history</source>
        <translation>보낸 기록</translation>
    </message>
    <message>
        <source>Clear history</source>
        <translation>기록 지우기</translation>
    </message>
    <message>
        <source>No history yet</source>
        <translation>아직 기록이 없습니다</translation>
    </message>
</context>
<context>
    <name>SerialManager</name>
    <message>
        <source>Serial port %1 disconnected.</source>
        <translation>시리얼 포트 %1의 연결이 끊어졌습니다.</translation>
    </message>
</context>
<context>
    <name>SerialOptions</name>
    <message>
        <source>None</source>
        <comment>parity</comment>
        <translation>없음</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>짝수</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>홀수</translation>
    </message>
    <message>
        <source>None</source>
        <comment>flow control</comment>
        <translation>없음</translation>
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
        <translation>없음</translation>
    </message>
</context>
<context>
    <name>SerialSettingsPanel</name>
    <message>
        <source>Port · PORT</source>
        <translation>포트 · PORT</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>포트</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>보드레이트</translation>
    </message>
    <message>
        <source>Data bits</source>
        <translation>데이터 비트</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>패리티</translation>
    </message>
    <message>
        <source>Stop bits</source>
        <translation>정지 비트</translation>
    </message>
    <message>
        <source>Flow control</source>
        <translation>흐름 제어</translation>
    </message>
    <message>
        <source>Close port</source>
        <translation>포트 닫기</translation>
    </message>
    <message>
        <source>Stop waiting</source>
        <translation>대기 중지</translation>
    </message>
    <message>
        <source>Open port</source>
        <translation>포트 열기</translation>
    </message>
    <message>
        <source>Reconnect automatically</source>
        <translation>자동으로 다시 연결</translation>
    </message>
    <message>
        <source>Receive · RECEIVE</source>
        <translation>수신 · RECEIVE</translation>
    </message>
    <message>
        <source>Show timestamp</source>
        <translation>타임스탬프 표시</translation>
    </message>
    <message>
        <source>Wrap lines</source>
        <translation>줄 바꿈</translation>
    </message>
    <message>
        <source>Echo sent data</source>
        <translation>보낸 데이터 에코</translation>
    </message>
    <message>
        <source>Transmit · TRANSMIT</source>
        <translation>송신 · TRANSMIT</translation>
    </message>
    <message>
        <source>Append CRC (CRC16/MODBUS)</source>
        <translation>CRC 추가(CRC16/MODBUS)</translation>
    </message>
    <message>
        <source>Repeat send</source>
        <translation>반복 전송</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Open a device path</source>
        <translation>장치 경로 열기</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Any serial device or pseudo-terminal, opened with the settings of the serial panel. Paths opened here stay in the port list while they exist.</source>
        <translation>모든 시리얼 장치나 의사 터미널을 시리얼 패널의 설정으로 엽니다. 여기에서 연 경로는 존재하는 동안 포트 목록에 남아 있습니다.</translation>
    </message>
</context>
<context>
    <name>ServiceRequest</name>
    <message>
        <source>The API key in .env holds a control character (such as NUL or a line break); it was not sent.</source>
        <translation>.env의 API 키에 제어 문자(NUL이나 줄 바꿈 등)가 있어 보내지 않았습니다.</translation>
    </message>
</context>
<context>
    <name>SettingsAboutDialog</name>
    <message>
        <source>Settings &amp; About</source>
        <translation>설정 및 정보</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>인터페이스 언어</translation>
    </message>
    <message>
        <source>System font</source>
        <translation>시스템 글꼴</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>크기</translation>
    </message>
    <message>
        <source>Data monitor font</source>
        <translation>데이터 모니터 글꼴</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>테마</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>밝게</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>어둡게</translation>
    </message>
    <message>
        <source>Command library</source>
        <translation>명령 라이브러리</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>최신</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>업데이트 있음</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>업데이트 확인</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>버전</translation>
    </message>
    <message>
        <source>Platform</source>
        <translation>플랫폼</translation>
    </message>
    <message>
        <source>%1 (Qt %2)</source>
        <translation>%1 (Qt %2)</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>지원</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>장치</translation>
    </message>
    <message>
        <source>Restore defaults</source>
        <translation>기본값 복원</translation>
    </message>
    <message>
        <source>Download and apply</source>
        <translation>다운로드 및 적용</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>키보드</translation>
    </message>
    <message>
        <source>Enter sends (Shift+Enter for a new line)</source>
        <translation>Enter로 전송 (Shift+Enter로 줄 바꿈)</translation>
    </message>
    <message numerus="yes">
        <source>%n models</source>
        <translation>
            <numerusform>모델 %n개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n commands</source>
        <translation>
            <numerusform>명령 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>Highlight rules</source>
        <translation>강조 규칙</translation>
    </message>
    <message>
        <source>Lines matching a pattern can be coloured.</source>
        <translation>패턴과 일치하는 줄에 색을 입힐 수 있습니다.</translation>
    </message>
    <message numerus="yes">
        <source>%n rules colour matching lines.</source>
        <translation>
            <numerusform>규칙 %n개가 일치하는 줄에 색을 입힙니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>Edit rules…</source>
        <translation>규칙 편집…</translation>
    </message>
</context>
<context>
    <name>SoftwareUpdateClient</name>
    <message>
        <source>Update server not configured (.env).</source>
        <translation>업데이트 서버가 구성되지 않았습니다(.env).</translation>
    </message>
    <message>
        <source>Malformed response: %1</source>
        <translation>응답 형식이 잘못되었습니다: %1</translation>
    </message>
    <message>
        <source>Server reported an error.</source>
        <translation>서버에서 오류를 보고했습니다.</translation>
    </message>
    <message>
        <source>This app isn&apos;t registered on the update server (slug &quot;%1&quot; not found).</source>
        <translation>이 앱은 업데이트 서버에 등록되어 있지 않습니다(slug &quot;%1&quot;을(를) 찾을 수 없음).</translation>
    </message>
    <message>
        <source>Download incomplete: received %1 of %2 bytes.</source>
        <translation>다운로드가 완료되지 않았습니다: %2바이트 중 %1바이트만 받았습니다.</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2</source>
        <translation>%1에 쓸 수 없습니다: %2</translation>
    </message>
    <message>
        <source>The package address &quot;%1&quot; is not an http or https address; nothing was fetched.</source>
        <translation>패키지 주소 &apos;%1&apos;은(는) http 또는 https 주소가 아니어서 아무것도 받지 않았습니다.</translation>
    </message>
    <message>
        <source>The package is larger than the %1 bytes the update service announced.</source>
        <translation>패키지가 업데이트 서비스가 알린 %1바이트보다 큽니다.</translation>
    </message>
</context>
<context>
    <name>SoftwareUpdateDialog</name>
    <message>
        <source>Software Update</source>
        <translation>소프트웨어 업데이트</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>나중에</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>지금 업데이트</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>다시 시도</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Version %1 is available (you have %2)</source>
        <translation>버전 %1을(를) 사용할 수 있습니다(현재 %2)</translation>
    </message>
    <message>
        <source>This update is required to keep using the app.</source>
        <translation>앱을 계속 사용하려면 이 업데이트가 필요합니다.</translation>
    </message>
    <message>
        <source>Open download page</source>
        <translation>다운로드 페이지 열기</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Batch %1 · step %2</source>
        <translation>일괄 %1 · 단계 %2</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>중지</translation>
    </message>
    <message>
        <source>Logging to %1</source>
        <translation>%1에 기록 중</translation>
    </message>
    <message>
        <source>%1 — click to open its folder</source>
        <translation>%1 — 클릭하면 폴더를 엽니다</translation>
    </message>
</context>
</TS>
