<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="en">
<context>
    <name>tamsok</name>
    <message>
        <source>Tree</source>
        <translation>나무</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>천둥번개</translation>
    </message>
    <message>
        <source>DragonFly</source>
        <translation>잠자리</translation>
    </message>
    <message>
        <source>DivingBeetle</source>
        <translation>물방개</translation>
    </message>
    <message>
        <source>Grasshopper</source>
        <translation>여치</translation>
    </message>
    <message>
        <source>Wasp</source>
        <translation>말벌</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>바람</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>구름</translation>
    </message>
    <message>
        <source>Spider</source>
        <translation>거미</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>눈</translation>
    </message>
    <message>
        <source>Ant</source>
        <translation>개미</translation>
    </message>
    <message>
        <source>CarpenterAnt</source>
        <translation>왕개미</translation>
    </message>
    <message>
        <source>Fir</source>
        <translation>전나무</translation>
    </message>
    <message>
        <source>Oak</source>
        <translation>참나무</translation>
    </message>
    <message>
        <source>Stand still</source>
        <translation>제자리입니다</translation>
    </message>
    <message>
        <source>Is not Enemy</source>
        <translation>상대편 말이 아닙니다</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>범위를 벗어났습니다</translation>
    </message>
    <message>
        <source>Invalid move(rule violation)</source>
        <translation>둘 수 없는 수(규칙 위반)</translation>
    </message>
    <message>
        <source>Can&apos;t capture a piece of enemy under cloaking effect</source>
        <translation>은폐된 상대편 말은 잡을 수 없습니다</translation>
    </message>
    <message>
        <source>Frozen piece can&apos;t move &amp; capture</source>
        <translation>얼어붙은 말은 움직이거나 잡을 수 없습니다</translation>
    </message>
    <message>
        <source>Myuk (Blocking piece)</source>
        <translation>멱 (길을 막는 말)</translation>
    </message>
    <message>
        <source>Have not ability of capture</source>
        <translation>잡을 수 없는 말입니다</translation>
    </message>
    <message>
        <source>Not %s Turn</source>
        <translation>%s 차례가 아닙니다</translation>
    </message>
    <message>
        <source>You are only a spectator</source>
        <translation>관전만 할 수 있습니다</translation>
    </message>
    <message>
        <source>New Local Game</source>
        <translation>새 로컬 대국</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>대국</translation>
    </message>
    <message>
        <source>Always fir tree camp First</source>
        <translation>언제나 전나무 진영이 먼저 둡니다</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>한수쉼</translation>
    </message>
    <message>
        <source>Pass Form Opposite</source>
        <translation>상대가 한수쉼</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>대국 종료</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>You are conquered</source>
        <translation>패배했습니다</translation>
    </message>
    <message>
        <source>Require 50 Moves at least</source>
        <translation>적어도 50수를 두어야 합니다</translation>
    </message>
    <message>
        <source>%s Win</source>
        <translation>%s 승리</translation>
    </message>
    <message>
        <source>%sWin</source>
        <translation>%s 승리</translation>
    </message>
    <message>
        <source>[.]%s</source>
        <translation>[.]%s</translation>
    </message>
    <message>
        <source>The game record is full: no more moves</source>
        <translation>기보가 가득 찼습니다: 더 둘 수 없습니다</translation>
    </message>
    <message>
        <source>[%3d][%s %s]{x%dy%d-&gt;x%dy%d}</source>
        <translation>[%3d][%s %s]{x%dy%d-&gt;x%dy%d}</translation>
    </message>
    <message>
        <source>[Fir][%02d&quot;%02d][%2d][%d/10][%d]</source>
        <translation>[전나무][%02d&quot;%02d][%2d][%d/10][%d]</translation>
    </message>
    <message>
        <source>[Oak][%02d&quot;%02d][%2d][%d/10][%d]</source>
        <translation>[참나무][%02d&quot;%02d][%2d][%d/10][%d]</translation>
    </message>
    <message>
        <source>[Fir][%02d&quot;%02d][%2d][%d/%d][%d]</source>
        <translation>[전나무][%02d&quot;%02d][%2d][%d/%d][%d]</translation>
    </message>
    <message>
        <source>[Oak][%02d&quot;%02d][%2d][%d/%d][%d]</source>
        <translation>[참나무][%02d&quot;%02d][%2d][%d/%d][%d]</translation>
    </message>
    <message>
        <source>Refused move: a field is out of range</source>
        <translation>거부된 수: 필드 값이 범위를 벗어났습니다</translation>
    </message>
    <message>
        <source>Refused move: the piece is not on the board</source>
        <translation>거부된 수: 말이 판 위에 없습니다</translation>
    </message>
    <message>
        <source>Refused move: the piece does not stand on the source square</source>
        <translation>거부된 수: 말이 출발 칸에 있지 않습니다</translation>
    </message>
    <message>
        <source>Refused move: the captured piece is not on the target square</source>
        <translation>거부된 수: 잡힌 말이 도착 칸에 없습니다</translation>
    </message>
    <message>
        <source>Refused move: a piece of the mover&apos;s own camp is named as captured</source>
        <translation>거부된 수: 잡힌 말로 두는 쪽 진영의 말이 적혀 있습니다</translation>
    </message>
    <message>
        <source>Refused move: the target square is occupied</source>
        <translation>거부된 수: 도착 칸에 이미 말이 있습니다</translation>
    </message>
    <message>
        <source>LocalFree</source>
        <translation>로컬 대기</translation>
    </message>
    <message>
        <source>LocalPlaying</source>
        <translation>로컬 대국</translation>
    </message>
    <message>
        <source>ServerFree</source>
        <translation>서버 대기</translation>
    </message>
    <message>
        <source>ServerPlaying</source>
        <translation>서버 대국</translation>
    </message>
    <message>
        <source>ClientFree</source>
        <translation>클라이언트 대기</translation>
    </message>
    <message>
        <source>ClientPlaying</source>
        <translation>클라이언트 대국</translation>
    </message>
    <message>
        <source>not a Tamsok Janggi game file</source>
        <translation>Tamsok Janggi 대국 파일이 아닙니다</translation>
    </message>
    <message>
        <source>format version %d is newer than this program reads (%d)</source>
        <translation>형식 버전 %d은(는) 이 프로그램이 읽는 버전보다 새롭습니다 (%d)</translation>
    </message>
    <message>
        <source>a header line is &quot;Key: value&quot;</source>
        <translation>머리글 줄은 &quot;Key: value&quot; 꼴이어야 합니다</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is given twice</source>
        <translation>&quot;%s&quot;이(가) 두 번 있습니다</translation>
    </message>
    <message>
        <source>the header has no &quot;%s&quot; line</source>
        <translation>머리글에 &quot;%s&quot; 줄이 없습니다</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is not a valid %s</source>
        <translation>&quot;%s&quot;은(는) 올바른 %s 값이 아닙니다</translation>
    </message>
    <message>
        <source>Current %d is more than the %d records</source>
        <translation>Current %d이(가) 기록 수 %d보다 큽니다</translation>
    </message>
    <message>
        <source>%s is not to move after %d records</source>
        <translation>%s은(는) %d수 다음에 둘 차례가 아닙니다</translation>
    </message>
    <message>
        <source>the file is cut short: the header does not end</source>
        <translation>파일이 잘렸습니다: 머리글이 끝나지 않습니다</translation>
    </message>
    <message>
        <source>the file is cut short: it holds %d of its %d records</source>
        <translation>파일이 잘렸습니다: 기록이 %d개만 있습니다 (전체 %d개)</translation>
    </message>
    <message>
        <source>more records than the %d the header announces</source>
        <translation>머리글에 적힌 %d개보다 기록이 많습니다</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is not a move (two squares such as e3e4, or 0000)</source>
        <translation>&quot;%s&quot;은(는) 수가 아닙니다 (e3e4처럼 두 칸, 또는 0000)</translation>
    </message>
    <message>
        <source>%s: no piece stands on %s</source>
        <translation>%s: %s에 말이 없습니다</translation>
    </message>
    <message>
        <source>%s is refused: %s</source>
        <translation>%s 거부됨: %s</translation>
    </message>
    <message>
        <source>%s: the game is longer than a game may be</source>
        <translation>%s: 대국이 허용된 길이보다 깁니다</translation>
    </message>
    <message>
        <source>the records in force are out of range</source>
        <translation>유효한 기록이 범위를 벗어났습니다</translation>
    </message>
    <message>
        <source>Line %d: %s</source>
        <translation>%d번째 줄: %s</translation>
    </message>
    <message>
        <source>the file is larger than %zu bytes: not a game file</source>
        <translation>파일이 %zu바이트보다 큽니다: 대국 파일이 아닙니다</translation>
    </message>
    <message>
        <source>no error</source>
        <translation>오류 없음</translation>
    </message>
    <message>
        <source>message too short for its layout</source>
        <translation>메시지가 형식보다 짧습니다</translation>
    </message>
    <message>
        <source>field is not a number</source>
        <translation>필드가 숫자가 아닙니다</translation>
    </message>
    <message>
        <source>field value out of range</source>
        <translation>필드 값이 범위를 벗어났습니다</translation>
    </message>
    <message>
        <source>unexpected message head</source>
        <translation>예상하지 못한 메시지 머리말</translation>
    </message>
    <message>
        <source>pass</source>
        <translation>한수쉼</translation>
    </message>
    <message>
        <source>Inner error</source>
        <translation>내부 오류</translation>
    </message>
    <message>
        <source>[BUG] Some inner error</source>
        <translation>[버그] 내부 오류</translation>
    </message>
    <message>
        <source>[BUG] Some inner error: %s</source>
        <translation>[버그] 내부 오류: %s</translation>
    </message>
    <message>
        <source>Made new game...</source>
        <translation>새 대국이 만들어졌습니다...</translation>
    </message>
    <message>
        <source>Made some game. </source>
        <translation>다른 대국이 시작되었습니다. </translation>
    </message>
    <message>
        <source>Made some game</source>
        <translation>다른 대국이 시작되었습니다</translation>
    </message>
    <message>
        <source>Start new game</source>
        <translation>새 대국 시작</translation>
    </message>
    <message>
        <source>Cannot read the &quot;%s&quot; message: %s</source>
        <translation>&quot;%s&quot; 메시지를 읽을 수 없습니다: %s</translation>
    </message>
    <message>
        <source>Server mode</source>
        <translation>서버 모드</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>연결 안 됨</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>연결됨</translation>
    </message>
    <message>
        <source>Connected to: %s</source>
        <translation>연결됨: %s</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>수락 확인</translation>
    </message>
    <message>
        <source>Made new game</source>
        <translation>새 대국을 만들었습니다</translation>
    </message>
    <message>
        <source>Made new game(Complete)</source>
        <translation>새 대국을 만들었습니다(완료)</translation>
    </message>
    <message>
        <source>Cannot open the room on port %d: %s</source>
        <translation>포트 %d에서 방을 열 수 없습니다: %s</translation>
    </message>
    <message>
        <source>Disconnected :%s</source>
        <translation>연결 끊김: %s</translation>
    </message>
    <message>
        <source>Wait for Searching [%s]</source>
        <translation>서버를 찾는 중 [%s]</translation>
    </message>
    <message>
        <source>Try again !!!</source>
        <translation>다시 시도하세요!!!</translation>
    </message>
    <message>
        <source>Socket Error</source>
        <translation>소켓 오류</translation>
    </message>
    <message>
        <source>Socket error</source>
        <translation>소켓 오류</translation>
    </message>
    <message>
        <source>No address specified</source>
        <translation>주소를 입력하지 않았습니다</translation>
    </message>
    <message>
        <source>Not a dotted IPv4 address: %s</source>
        <translation>점으로 구분한 IPv4 주소가 아닙니다: %s</translation>
    </message>
    <message>
        <source>Asynchronous socket error %d</source>
        <translation>비동기 소켓 오류 %d</translation>
    </message>
    <message>
        <source>Request Game, wait</source>
        <translation>대국 신청 중, 기다리세요</translation>
    </message>
    <message>
        <source>Tamsok Janggi 1.2.0 - 3rd revision rule</source>
        <translation>Tamsok Janggi 1.2.0 - 3차 개정 규칙</translation>
    </message>
    <message>
        <source>Chatting window</source>
        <translation>대화창</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Move History</source>
        <translation>기보</translation>
    </message>
    <message>
        <source>Room status</source>
        <translation>방 상태</translation>
    </message>
    <message>
        <source>Request game (always fir camp first)</source>
        <translation>대국 신청 (언제나 전나무가 먼저)</translation>
    </message>
    <message>
        <source>Input Server IP</source>
        <translation>서버 IP 입력</translation>
    </message>
    <message>
        <source>idle</source>
        <translation>대기</translation>
    </message>
    <message>
        <source>Green Time/exceed</source>
        <translation>초록 시간/초과</translation>
    </message>
    <message>
        <source>Red Time/exceed</source>
        <translation>빨강 시간/초과</translation>
    </message>
    <message>
        <source>Game Status</source>
        <translation>대국 상태</translation>
    </message>
    <message>
        <source>Metaplay</source>
        <translation>게임</translation>
    </message>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>보기</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Board Figure (784*512)</source>
        <translation>장기판 그림 (784*512)</translation>
    </message>
    <message>
        <source>View Side</source>
        <translation>보는 방향</translation>
    </message>
    <message>
        <source>Client mode</source>
        <translation>클라이언트 모드</translation>
    </message>
    <message>
        <source>New game (Client -&gt; Server)</source>
        <translation>새 대국 신청 (클라이언트 -&gt; 서버)</translation>
    </message>
    <message>
        <source>New game (Disconnected)</source>
        <translation>새 대국 (연결 없이)</translation>
    </message>
    <message>
        <source>Disconnect state</source>
        <translation>연결 해제 상태로</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>끝내기</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>불러오기</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>다른 이름으로 저장</translation>
    </message>
    <message>
        <source>Undo [First]</source>
        <translation>무르기 [처음까지]</translation>
    </message>
    <message>
        <source>Undo [Previous]</source>
        <translation>무르기 [한 수]</translation>
    </message>
    <message>
        <source>Redo [Next]</source>
        <translation>다시 두기 [한 수]</translation>
    </message>
    <message>
        <source>Redo [Last]</source>
        <translation>다시 두기 [끝까지]</translation>
    </message>
    <message>
        <source>Surrender</source>
        <translation>기권</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>점수 계산</translation>
    </message>
    <message>
        <source>Wood</source>
        <translation>원목</translation>
    </message>
    <message>
        <source>Slate</source>
        <translation>석판</translation>
    </message>
    <message>
        <source>Marbtea</source>
        <translation>마블티</translation>
    </message>
    <message>
        <source>PBfoil</source>
        <translation>PB 포일</translation>
    </message>
    <message>
        <source>Oak(Red) Camp</source>
        <translation>참나무(빨강) 진영</translation>
    </message>
    <message>
        <source>Oak - Fir Side</source>
        <translation>참나무 - 전나무 옆</translation>
    </message>
    <message>
        <source>Fir(Green) Camp</source>
        <translation>전나무(초록) 진영</translation>
    </message>
    <message>
        <source>Fir - Oak Side</source>
        <translation>전나무 - 참나무 옆</translation>
    </message>
    <message>
        <source>My view</source>
        <translation>내 쪽에서 보기</translation>
    </message>
    <message>
        <source>Show Captured Piece</source>
        <translation>잡힌 말 보기</translation>
    </message>
    <message>
        <source>Show legal moves</source>
        <translation>둘 수 있는 곳 보기</translation>
    </message>
    <message>
        <source>Show influence</source>
        <translation>영향권 보기</translation>
    </message>
    <message>
        <source>Show Move History</source>
        <translation>기보 보기</translation>
    </message>
    <message>
        <source>Hide Move History</source>
        <translation>기보 숨기기</translation>
    </message>
    <message>
        <source>Show Chat Window</source>
        <translation>대화창 보기</translation>
    </message>
    <message>
        <source>Hide Chat Window</source>
        <translation>대화창 숨기기</translation>
    </message>
    <message>
        <source>Show Room Status (In Server mode)</source>
        <translation>방 상태 보기 (서버 모드에서)</translation>
    </message>
    <message>
        <source>Alignment Windows</source>
        <translation>창 정렬</translation>
    </message>
    <message>
        <source>Sound Effect</source>
        <translation>효과음</translation>
    </message>
    <message>
        <source>About Tamsok janggi</source>
        <translation>Tamsok Janggi 정보</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>컴퓨터</translation>
    </message>
    <message>
        <source>New game (Computer plays Oak)</source>
        <translation>새 대국 (컴퓨터가 참나무)</translation>
    </message>
    <message>
        <source>New game (Computer plays Fir)</source>
        <translation>새 대국 (컴퓨터가 전나무)</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>쉬움</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>보통</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>어려움</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>훈수</translation>
    </message>
    <message>
        <source>Stop thinking</source>
        <translation>생각 멈추고 두기</translation>
    </message>
    <message>
        <source>%1 (computer) is thinking</source>
        <translation>%1(컴퓨터) 생각 중</translation>
    </message>
    <message>
        <source>%1 (computer) is thinking: depth %2</source>
        <translation>%1(컴퓨터) 생각 중: 깊이 %2</translation>
    </message>
    <message>
        <source>Looking for a hint</source>
        <translation>훈수를 찾는 중</translation>
    </message>
    <message>
        <source>Looking for a hint: depth %1</source>
        <translation>훈수를 찾는 중: 깊이 %1</translation>
    </message>
    <message>
        <source>Hint: %1 %2 x%3y%4-&gt;x%5y%6</source>
        <translation>훈수: %1 %2 x%3y%4-&gt;x%5y%6</translation>
    </message>
    <message>
        <source>The computer plays %1: move a %2 piece</source>
        <translation>컴퓨터가 %1입니다: %2 말을 움직이세요</translation>
    </message>
    <message>
        <source>The computer is thinking: wait for its move</source>
        <translation>컴퓨터가 생각 중입니다: 수를 기다리세요</translation>
    </message>
    <message>
        <source>Game over &amp; Bye</source>
        <translation>대국 종료, 안녕히 가세요</translation>
    </message>
    <message>
        <source>%1 was not loaded.
%2</source>
        <translation>%1을(를) 불러오지 못했습니다.
%2</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1을(를) 읽을 수 없습니다: %2</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <translation>%1을(를) 저장할 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Loaded %1</source>
        <translation>%1 불러옴</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 저장함</translation>
    </message>
    <message>
        <source>cannot be captured (cloaked)</source>
        <translation>잡을 수 없음 (은폐)</translation>
    </message>
    <message>
        <source>cannot move (frozen)</source>
        <translation>움직일 수 없음 (얼어붙음)</translation>
    </message>
    <message>
        <source>Fir&apos;s / Oak&apos;s Lightning may land here</source>
        <translation>전나무 / 참나무의 천둥번개가 내려앉을 수 있는 곳</translation>
    </message>
    <message>
        <source>Fir&apos;s / Oak&apos;s Lightning may strike this piece</source>
        <translation>전나무 / 참나무의 천둥번개가 칠 수 있는 말</translation>
    </message>
    <message>
        <source>[Receive message]</source>
        <translation>[받은 메시지]</translation>
    </message>
    <message>
        <source>Requested Game (Double Click)</source>
        <translation>신청된 대국 (두 번 클릭)</translation>
    </message>
    <message>
        <source>[IP][Tree][UnitTime][#Exceed][#Retract]</source>
        <translation>[IP][나무][단위시간][초과][무르기]</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP 주소</translation>
    </message>
    <message>
        <source>My Tree</source>
        <translation>내 나무</translation>
    </message>
    <message>
        <source>Fir(Green)</source>
        <translation>전나무</translation>
    </message>
    <message>
        <source>Oak(Red)</source>
        <translation>참나무</translation>
    </message>
    <message>
        <source>Unit Time</source>
        <translation>단위 시간</translation>
    </message>
    <message>
        <source>#Exceed</source>
        <translation>초과 수</translation>
    </message>
    <message>
        <source>#Retract</source>
        <translation>무르기 수</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Server IP</source>
        <translation>서버 IP</translation>
    </message>
    <message>
        <source>Version 1.2.0</source>
        <translation>버전 1.2.0</translation>
    </message>
    <message>
        <source>3rd Revision Rule</source>
        <translation>3차 개정 규칙</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어 (Language)</translation>
    </message>
    <message>
        <source>System</source>
        <translation>시스템 설정</translation>
    </message>
    <message>
        <source>The language changes when the program starts next.</source>
        <translation>언어는 프로그램을 다음에 시작할 때 바뀝니다.</translation>
    </message>
    <message>
        <source>[%3d][PASS]</source>
        <translation>[%3d][한수쉼]</translation>
    </message>
    <message>
        <source>[%3d][%-4s] {%d%d-&gt;%d%d} (Capture&lt;%s&gt;)</source>
        <translation>[%3d][%-4s] {%d%d-&gt;%d%d} (잡은 말&lt;%s&gt;)</translation>
    </message>
    <message>
        <source>Play on against the computer</source>
        <translation>컴퓨터와 이어서 두기</translation>
    </message>
    <message>
        <source>Hint: Pass</source>
        <translation>훈수: 한수쉼</translation>
    </message>
    <message>
        <source>Hint: Scoring wins the game now</source>
        <translation>훈수: 지금 점수 계산하면 이깁니다</translation>
    </message>
    <message>
        <source>Abandon the game on the board and load another?</source>
        <translation>지금 두는 대국을 그만두고 다른 대국을 불러올까요?</translation>
    </message>
    <message>
        <source>Give up this game?</source>
        <translation>이 대국을 기권하시겠습니까?</translation>
    </message>
    <message>
        <source>End this game now and let the captured pieces decide it?</source>
        <translation>지금 대국을 끝내고 잡은 말로 승부를 가리시겠습니까?</translation>
    </message>
    <message>
        <source>Leave this game unfinished?</source>
        <translation>이 대국을 끝내지 않고 그만두시겠습니까?</translation>
    </message>
    <message>
        <source>Give up this game and start a new one?</source>
        <translation>이 대국을 포기하고 새 대국을 시작하시겠습니까?</translation>
    </message>
    <message>
        <source>Taken back: %1</source>
        <translation>무른 수: %1</translation>
    </message>
    <message>
        <source>The game is over: step through it or start a new one</source>
        <translation>끝난 대국입니다: 수를 되짚어 보거나 새 대국을 시작하세요</translation>
    </message>
    <message>
        <source>Game over: %1 Win</source>
        <translation>대국 종료: %1 승리</translation>
    </message>
    <message>
        <source>Game over: %1 Win - %2</source>
        <translation>대국 종료: %1 승리 - %2</translation>
    </message>
    <message>
        <source>You win</source>
        <translation>이겼습니다</translation>
    </message>
    <message>
        <source>You lose</source>
        <translation>졌습니다</translation>
    </message>
    <message>
        <source>%1&apos;s clock
Time used: %2 min %3 s
Left for this move: %4 s
Time exceedings: %5 of %6 allowed
Material lost: %7</source>
        <translation>%1 시계
쓴 시간: %2분 %3초
이 수에 남은 시간: %4초
시간 초과: %6번 중 %5번
잃은 말의 값: %7</translation>
    </message>
    <message>
        <source>%1&apos;s clock: time used, seconds left for this move, time exceedings used and allowed, and the value of the pieces lost</source>
        <translation>%1 시계: 쓴 시간, 이 수에 남은 초, 시간 초과 횟수와 허용 횟수, 잃은 말의 값</translation>
    </message>
    <message>
        <source>Move: %1</source>
        <translation>수: %1</translation>
    </message>
    <message>
        <source>Not a move: %1 (type two squares, such as a2a3)</source>
        <translation>수가 아닙니다: %1 (a2a3처럼 두 칸을 입력하세요)</translation>
    </message>
    <message>
        <source>No piece on %1</source>
        <translation>%1에 말이 없습니다</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>판</translation>
    </message>
    <message>
        <source>Arrow keys move the cursor; Enter or Space picks up the piece under it and drops it; Escape puts it back. Or type a move such as a2a3 and press Enter.</source>
        <translation>방향키로 커서를 옮기고, Enter나 Space로 커서 아래의 말을 집어 놓습니다. Esc는 말을 제자리로 돌립니다. a2a3처럼 수를 입력하고 Enter를 눌러도 됩니다.</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1, 빈 칸</translation>
    </message>
    <message>
        <source>%1 %2 on %3</source>
        <translation>%3의 %1 %2</translation>
    </message>
    <message>
        <source>%1 %2, captured</source>
        <translation>%1 %2, 잡힘</translation>
    </message>
    <message>
        <source>%1 %2, not on the board</source>
        <translation>%1 %2, 판 밖</translation>
    </message>
    <message>
        <source>Chat only</source>
        <translation>대화만</translation>
    </message>
    <message>
        <source>Please confirm</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Refused move: %s</source>
        <translation>거부된 수: %s</translation>
    </message>
    <message>
        <source>The room sent a move that is not allowed. %s</source>
        <translation>방이 허용되지 않는 수를 보냈습니다. %s</translation>
    </message>
    <message>
        <source>The room sent a move that is not allowed. %s
The game stops here; it stays on the board and can be saved.</source>
        <translation>방이 허용되지 않는 수를 보냈습니다. %s
대국은 여기서 멈춥니다. 판은 그대로 남아 있으며 저장할 수 있습니다.</translation>
    </message>
    <message>
        <source>Game resumed</source>
        <translation>대국을 이어서 둡니다</translation>
    </message>
    <message>
        <source>%s&apos;s player left: waiting %d s for them to return</source>
        <translation>%s 쪽 선수가 나갔습니다: 돌아오기를 %d초 기다립니다</translation>
    </message>
    <message>
        <source>%s&apos;s player has not returned. Claim the win, or keep waiting.</source>
        <translation>%s 쪽 선수가 돌아오지 않았습니다. 승리를 선언하거나 계속 기다리세요.</translation>
    </message>
    <message>
        <source>%s&apos;s player is back: the game goes on</source>
        <translation>%s 쪽 선수가 돌아왔습니다: 대국을 계속합니다</translation>
    </message>
    <message>
        <source>The room is playing a game; try again when it ends</source>
        <translation>방에서 대국이 진행 중입니다. 대국이 끝나면 다시 요청하세요</translation>
    </message>
    <message>
        <source>The room at %s closed the connection.
The game stays on the board and can be saved. Reconnect to go on with it if the room still waits for you.</source>
        <translation>%s의 방이 연결을 끊었습니다.
판은 그대로 남아 있으며 저장할 수 있습니다. 방이 아직 기다리고 있다면 다시 연결하여 대국을 이어 가세요.</translation>
    </message>
    <message>
        <source>The room at %s stopped answering.
The game stays on the board and can be saved. Reconnect to go on with it if the room still waits for you.</source>
        <translation>%s의 방이 응답하지 않습니다.
판은 그대로 남아 있으며 저장할 수 있습니다. 방이 아직 기다리고 있다면 다시 연결하여 대국을 이어 가세요.</translation>
    </message>
    <message>
        <source>The room at %s cannot be reached.
The game stays on the board and can be saved. Reconnect to go on with it if the room still waits for you.</source>
        <translation>%s의 방에 연결할 수 없습니다.
판은 그대로 남아 있으며 저장할 수 있습니다. 방이 아직 기다리고 있다면 다시 연결하여 대국을 이어 가세요.</translation>
    </message>
    <message>
        <source>Claim the win</source>
        <translation>승리 선언</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <translation>다시 연결</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Room lost</source>
        <translation>방 연결 끊김</translation>
    </message>
</context>
</TS>
