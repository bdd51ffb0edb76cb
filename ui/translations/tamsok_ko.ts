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
        <source>Beginner</source>
        <translation>입문</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>초급</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>상급</translation>
    </message>
    <message>
        <source>Skilled</source>
        <translation>숙련</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>강함</translation>
    </message>
    <message>
        <source>Casual</source>
        <translation>캐주얼</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>전문가</translation>
    </message>
    <message>
        <source>%1 (rating %2)</source>
        <translation>%1 (레이팅 %2)</translation>
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
        <source>inaccuracy</source>
        <translation>부정확한 수</translation>
    </message>
    <message>
        <source>mistake</source>
        <translation>실수</translation>
    </message>
    <message>
        <source>blunder</source>
        <translation>대실수</translation>
    </message>
    <message>
        <source>Tree in %d</source>
        <translation>%d수 안에 나무를 잡음</translation>
    </message>
    <message>
        <source>Tree lost in %d</source>
        <translation>%d수 안에 나무를 잃음</translation>
    </message>
    <message>
        <source>The goal</source>
        <translation>목표</translation>
    </message>
    <message>
        <source>&lt;p&gt;Two camps face each other on a board of 10 &amp;times; 10 squares: &lt;b&gt;Fir&lt;/b&gt; (green) and &lt;b&gt;Oak&lt;/b&gt; (red). Each camp has twelve kinds of pieces, named after nature, and one of them is its &lt;b&gt;Tree&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Capture the enemy Tree and you win.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;You move a piece by dragging it with the mouse onto another square. A piece captures by moving onto the square of an enemy piece, which leaves the board for its camp&apos;s tray at the side.&lt;/p&gt;</source>
        <translation>&lt;p&gt;두 진영이 10 &amp;times; 10 칸의 판 위에서 마주합니다: &lt;b&gt;전나무&lt;/b&gt;(초록)와 &lt;b&gt;참나무&lt;/b&gt;(빨강). 각 진영에는 자연에서 이름을 딴 열두 가지 말이 있고, 그중 하나가 그 진영의 &lt;b&gt;나무&lt;/b&gt;입니다.&lt;/p&gt;&lt;p&gt;&lt;b&gt;상대의 나무를 잡으면 이깁니다.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;말은 마우스로 끌어 다른 칸에 놓아 움직입니다. 상대 말이 있는 칸으로 움직이면 그 말을 잡고, 잡힌 말은 판 옆에 있는 그 진영의 받침으로 갑니다.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>The start position. Fir&apos;s pieces stand on the rows 0 to 3, Oak&apos;s on the rows 6 to 9.</source>
        <translation>처음 배치. 전나무의 말은 0~3번 줄에, 참나무의 말은 6~9번 줄에 섭니다.</translation>
    </message>
    <message>
        <source>&lt;p&gt;Every kind moves in its own way, and many pieces do more than move: they reach out over the squares around them. They can hide their friends from capture (&lt;i&gt;cloak&lt;/i&gt;), uncover enemies (&lt;i&gt;reveal&lt;/i&gt;), stop enemy pieces from moving (&lt;i&gt;freeze&lt;/i&gt;) or keep their friends from being stopped (&lt;i&gt;thaw&lt;/i&gt;), and they mark where a Lightning may land or strike. The page &lt;i&gt;Influence&lt;/i&gt; explains these, and each kind&apos;s page shows its own.&lt;/p&gt;&lt;p&gt;Every page about a kind has a &lt;b&gt;Try it&lt;/b&gt; button: it puts that piece alone on a board where you can drag it around and see where it may go.&lt;/p&gt;</source>
        <translation>&lt;p&gt;말마다 움직이는 방법이 다르고, 많은 말은 움직이는 것 말고도 둘레의 칸에 힘을 미칩니다. 자기 편을 잡히지 않게 숨기고(&lt;i&gt;은폐&lt;/i&gt;), 상대를 드러내고(&lt;i&gt;드러내기&lt;/i&gt;), 상대 말을 움직이지 못하게 하거나(&lt;i&gt;얼리기&lt;/i&gt;) 자기 편이 얼지 않게 지키며(&lt;i&gt;녹이기&lt;/i&gt;), 천둥번개가 내려앉거나 칠 수 있는 곳을 정합니다. &lt;i&gt;영향권&lt;/i&gt; 쪽이 이것을 설명하고, 말마다 자기 쪽에서 그 말의 영향권을 보여 줍니다.&lt;/p&gt;&lt;p&gt;말 하나를 다루는 쪽마다 &lt;b&gt;해 보기&lt;/b&gt; 단추가 있습니다: 그 말 하나만 판에 올려 놓고, 이리저리 끌어 보며 어디로 갈 수 있는지 볼 수 있습니다.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Turns, passing and scoring</source>
        <translation>차례, 한수쉼과 점수 계산</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Fir moves first.&lt;/b&gt; Then the camps take turns, one move each. A move that the rules do not allow is refused, and the status bar at the foot of the window says why.&lt;/p&gt;&lt;p&gt;Instead of moving, the camp to move may &lt;b&gt;pass&lt;/b&gt; (&lt;i&gt;Playing&lt;/i&gt; &amp;gt; &lt;i&gt;Pass&lt;/i&gt;): the turn goes to the other camp.&lt;/p&gt;&lt;p&gt;A game ends&lt;/p&gt;&lt;ul&gt;&lt;li&gt;when a Tree is captured: its camp has lost;&lt;/li&gt;&lt;li&gt;when a player gives up (&lt;i&gt;Playing&lt;/i&gt; &amp;gt; &lt;i&gt;Surrender&lt;/i&gt;);&lt;/li&gt;&lt;li&gt;in a game over the network, when a player takes too long too often;&lt;/li&gt;&lt;li&gt;when a player asks for &lt;b&gt;scoring&lt;/b&gt; (&lt;i&gt;Playing&lt;/i&gt; &amp;gt; &lt;i&gt;Scoring&lt;/i&gt;), allowed from the 50th move on (passes count as moves).&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;At scoring, the camp that has lost &lt;b&gt;less value&lt;/b&gt; in captured pieces wins; when both have lost the same value, Oak wins. The pieces still on the board do not count. The values:&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;전나무가 먼저 둡니다.&lt;/b&gt; 그다음 두 진영이 한 수씩 번갈아 둡니다. 규칙이 허락하지 않는 수는 거부되고, 창 아래쪽 상태 표시줄이 그 까닭을 알려 줍니다.&lt;/p&gt;&lt;p&gt;움직이는 대신 둘 차례인 진영은 &lt;b&gt;한수쉼&lt;/b&gt;을 할 수 있습니다(&lt;i&gt;대국&lt;/i&gt; &amp;gt; &lt;i&gt;한수쉼&lt;/i&gt;): 차례가 상대 진영으로 넘어갑니다.&lt;/p&gt;&lt;p&gt;대국이 끝나는 때&lt;/p&gt;&lt;ul&gt;&lt;li&gt;나무가 잡혔을 때: 그 진영이 집니다;&lt;/li&gt;&lt;li&gt;한 사람이 기권할 때(&lt;i&gt;대국&lt;/i&gt; &amp;gt; &lt;i&gt;기권&lt;/i&gt;);&lt;/li&gt;&lt;li&gt;네트워크 대국에서, 한 사람이 시간을 너무 자주 넘길 때;&lt;/li&gt;&lt;li&gt;한 사람이 &lt;b&gt;점수 계산&lt;/b&gt;을 청할 때(&lt;i&gt;대국&lt;/i&gt; &amp;gt; &lt;i&gt;점수 계산&lt;/i&gt;). 50번째 수부터 할 수 있습니다(한수쉼도 수로 셉니다).&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;점수 계산에서는 잡힌 말의 값을 &lt;b&gt;덜 잃은&lt;/b&gt; 진영이 이깁니다. 두 진영이 같은 값을 잃었으면 참나무가 이깁니다. 아직 판 위에 있는 말은 세지 않습니다. 말의 값:&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;In a game at one machine, moves can be taken back and played again with the &lt;i&gt;Undo&lt;/i&gt; and &lt;i&gt;Redo&lt;/i&gt; items of the &lt;i&gt;Playing&lt;/i&gt; menu.&lt;/p&gt;</source>
        <translation>&lt;p&gt;한 컴퓨터에서 두는 대국에서는 &lt;i&gt;대국&lt;/i&gt; 메뉴의 &lt;i&gt;무르기&lt;/i&gt;와 &lt;i&gt;다시 두기&lt;/i&gt;로 수를 물리고 다시 둘 수 있습니다.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Reading the board</source>
        <translation>판 읽기</translation>
    </message>
    <message>
        <source>&lt;p&gt;The letters and digits along the edges of the board name its squares: a column letter from a to j and a row digit from 0 to 9, such as &lt;b&gt;e3&lt;/b&gt;. Hints, the analysis, the game review, this window and saved games all name squares this way, so you find a square by its labels from whichever side you look at the board. When the board is seen from the side, the letters run down its edge and the digits along its foot.&lt;/p&gt;&lt;p&gt;A move is written as its two squares: &lt;b&gt;e3-e4&lt;/b&gt;, or &lt;b&gt;e3xe4&lt;/b&gt; when it captures. (&lt;i&gt;Interface&lt;/i&gt; &amp;gt; &lt;i&gt;Board Labels&lt;/i&gt; &amp;gt; &lt;i&gt;Digits&lt;/i&gt; labels the board as the status texts count instead: x from the left, y from the bottom, such as x4y6.)&lt;/p&gt;&lt;p&gt;While you hold a piece, a &lt;b&gt;dot&lt;/b&gt; marks every empty square it may move to and a &lt;b&gt;ring&lt;/b&gt; every enemy piece it may capture (&lt;i&gt;Interface&lt;/i&gt; &amp;gt; &lt;i&gt;Show legal moves&lt;/i&gt;).&lt;/p&gt;</source>
        <translation>&lt;p&gt;판 가장자리의 글자와 숫자가 칸의 이름입니다: a부터 j까지의 세로줄 글자와 0부터 9까지의 가로줄 숫자로, 예를 들면 &lt;b&gt;e3&lt;/b&gt;입니다. 훈수, 분석, 대국 복기, 이 창과 저장한 대국은 모두 칸을 이렇게 부르므로, 판을 어느 쪽에서 보든 가장자리의 이름표로 칸을 찾을 수 있습니다. 판을 옆에서 보면 글자는 판의 옆 가장자리를 따라, 숫자는 판의 아래쪽을 따라 적힙니다.&lt;/p&gt;&lt;p&gt;수는 두 칸으로 씁니다: &lt;b&gt;e3-e4&lt;/b&gt;, 잡을 때는 &lt;b&gt;e3xe4&lt;/b&gt;. (&lt;i&gt;보기&lt;/i&gt; &amp;gt; &lt;i&gt;판 이름표&lt;/i&gt; &amp;gt; &lt;i&gt;숫자&lt;/i&gt;를 고르면 판에 상태 표시줄이 세는 방식대로 숫자가 붙습니다: x는 왼쪽부터, y는 아래쪽부터, 예를 들면 x4y6.)&lt;/p&gt;&lt;p&gt;말을 쥐고 있는 동안, 그 말이 갈 수 있는 빈 칸마다 &lt;b&gt;점&lt;/b&gt;이, 잡을 수 있는 상대 말마다 &lt;b&gt;고리&lt;/b&gt;가 표시됩니다(&lt;i&gt;보기&lt;/i&gt; &amp;gt; &lt;i&gt;둘 수 있는 곳 보기&lt;/i&gt;).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>The marks of %1 while it is held.</source>
        <translation>%1을(를) 쥐고 있을 때의 표시.</translation>
    </message>
    <message>
        <source>&lt;p&gt;With &lt;i&gt;Interface&lt;/i&gt; &amp;gt; &lt;i&gt;Show influence&lt;/i&gt; the board also marks what the pieces&apos; influence does, for both camps:&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;i&gt;보기&lt;/i&gt; &amp;gt; &lt;i&gt;영향권 보기&lt;/i&gt;를 켜면 판은 두 진영 모두에 대해 말들의 영향권이 하는 일도 표시합니다:&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>영향권</translation>
    </message>
    <message>
        <source>&lt;p&gt;Many pieces reach out over a square block of squares around them: radius 1 is the block of 3 &amp;times; 3 squares centred on the piece, radius 2 the block of 5 &amp;times; 5, radius 3 the block of 7 &amp;times; 7.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Cloak&lt;/b&gt;: a piece of your camp inside your cloaking area cannot be captured.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Reveal&lt;/b&gt;: inside your revealing area the enemy&apos;s cloaking does not work.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Freeze&lt;/b&gt;: an enemy piece inside your freezing area cannot move, and your Lightning may strike it wherever it stands.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Thaw&lt;/b&gt;: inside your thawing area the enemy&apos;s freezing does not work on your pieces.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Tree zone&lt;/b&gt;: your Lightning may move to the empty squares next to your Tree.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Cloud zone&lt;/b&gt;: both camps&apos; Lightnings may capture on the squares within two of any Cloud.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;Some kinds are never cloaked or frozen, whatever reaches them. The table lists every kind&apos;s reach:&lt;/p&gt;</source>
        <translation>&lt;p&gt;많은 말이 자기 둘레의 네모난 칸 묶음에 힘을 미칩니다: 반지름 1은 그 말을 가운데로 한 3 &amp;times; 3 칸, 반지름 2는 5 &amp;times; 5 칸, 반지름 3은 7 &amp;times; 7 칸입니다.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;은폐&lt;/b&gt;: 자기 은폐 영역 안에 있는 자기 진영의 말은 잡을 수 없습니다.&lt;/li&gt;&lt;li&gt;&lt;b&gt;드러내기&lt;/b&gt;: 자기 드러내기 영역 안에서는 상대의 은폐가 통하지 않습니다.&lt;/li&gt;&lt;li&gt;&lt;b&gt;얼리기&lt;/b&gt;: 자기 얼리기 영역 안의 상대 말은 움직일 수 없고, 자기 천둥번개가 그 말이 어디 있든 칠 수 있습니다.&lt;/li&gt;&lt;li&gt;&lt;b&gt;녹이기&lt;/b&gt;: 자기 녹이기 영역 안에서는 상대의 얼리기가 자기 말에 통하지 않습니다.&lt;/li&gt;&lt;li&gt;&lt;b&gt;나무 구역&lt;/b&gt;: 자기 천둥번개는 자기 나무 바로 옆의 빈 칸으로 움직일 수 있습니다.&lt;/li&gt;&lt;li&gt;&lt;b&gt;구름 구역&lt;/b&gt;: 두 진영의 천둥번개 모두 어느 구름에서든 두 칸 안에 있는 칸에서 잡을 수 있습니다.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;어떤 말은 무엇이 닿든 은폐되거나 얼지 않습니다. 표는 말마다 닿는 범위를 보여 줍니다:&lt;/p&gt;</translation>
    </message>
    <message>
        <source>The Fir Tree cloaks the Ant next to it and marks its Lightning&apos;s landing squares; the Oak Snow freezes the Ant out of the Tree&apos;s thawing reach; each Lightning may strike in the Oak Cloud&apos;s zone, and Oak&apos;s may also strike the frozen Ant.</source>
        <translation>전나무 나무는 옆의 개미를 은폐하고 자기 천둥번개가 내려앉을 칸을 표시합니다; 참나무 눈은 나무의 녹이기가 닿지 않는 개미를 얼립니다; 두 천둥번개 모두 참나무 구름의 구역에서 칠 수 있고, 참나무의 천둥번개는 언 개미도 칠 수 있습니다.</translation>
    </message>
    <message>
        <source>&lt;p&gt;The &lt;b&gt;Tree&lt;/b&gt; steps one square in any of the eight directions, to an empty square or onto an enemy piece, which it captures. It is never cloaked and never frozen, so guard it well: when it is captured, its camp has lost.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;나무&lt;/b&gt;는 여덟 방향 어느 쪽으로든 한 칸 움직여, 빈 칸으로 가거나 상대 말이 있는 칸으로 가서 그 말을 잡습니다. 은폐되지도 얼지도 않으니 잘 지키십시오: 나무가 잡히면 그 진영이 집니다.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1 may step to every free square next to it and capture the Oak Ant.</source>
        <translation>%1은(는) 옆의 빈 칸 어디로든 갈 수 있고 참나무 개미를 잡을 수 있습니다.</translation>
    </message>
    <message>
        <source>&lt;p&gt;The Tree is the most influential piece. It &lt;b&gt;cloaks&lt;/b&gt; its camp&apos;s pieces next to it (radius 1), &lt;b&gt;freezes&lt;/b&gt; enemy pieces within two squares, &lt;b&gt;reveals&lt;/b&gt; enemy pieces and &lt;b&gt;thaws&lt;/b&gt; its own within three, and the squares next to it are where its camp&apos;s Lightning may land.&lt;/p&gt;</source>
        <translation>&lt;p&gt;나무는 가장 영향력이 큰 말입니다. 바로 옆(반지름 1)의 자기 진영 말을 &lt;b&gt;은폐&lt;/b&gt;하고, 두 칸 안의 상대 말을 &lt;b&gt;얼리고&lt;/b&gt;, 세 칸 안에서 상대 말을 &lt;b&gt;드러내고&lt;/b&gt; 자기 말을 &lt;b&gt;녹이며&lt;/b&gt;, 나무 바로 옆의 칸은 자기 진영 천둥번개가 내려앉을 수 있는 곳입니다.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1 cloaks the Ant and the DragonFly next to it; the Ant two squares away can be captured.</source>
        <translation>%1은(는) 옆의 개미와 잠자리를 은폐합니다; 두 칸 떨어진 개미는 잡힐 수 있습니다.</translation>
    </message>
    <message>
        <source>%1 freezes the Oak Ant two squares away; the one three squares away may move.</source>
        <translation>%1은(는) 두 칸 떨어진 참나무 개미를 얼립니다; 세 칸 떨어진 개미는 움직일 수 있습니다.</translation>
    </message>
    <message>
        <source>The Oak Cloud cloaks both Oak Ants, but %1 reveals the nearer one: it can be captured again.</source>
        <translation>참나무 구름이 참나무 개미 둘을 은폐하지만, %1이(가) 가까운 쪽을 드러냅니다: 그 개미는 다시 잡힐 수 있습니다.</translation>
    </message>
    <message>
        <source>The Oak Snow freezes the far Fir Ant; %1 thaws the near one, which stays free.</source>
        <translation>참나무 눈이 먼 쪽 전나무 개미를 얼립니다; %1이(가) 가까운 쪽을 녹여 그 개미는 자유롭게 움직입니다.</translation>
    </message>
    <message>
        <source>Diamonds: where the Fir Lightning may land, next to %1.</source>
        <translation>마름모: %1 옆, 전나무 천둥번개가 내려앉을 수 있는 곳.</translation>
    </message>
    <message>
        <source>Lightning: landing and strike</source>
        <translation>천둥번개: 내려앉기와 치기</translation>
    </message>
    <message>
        <source>&lt;p&gt;The &lt;b&gt;Lightning&lt;/b&gt; does not walk. Wherever it stands, it may move only to an &lt;b&gt;empty square next to its own Tree&lt;/b&gt; (a diamond in its camp&apos;s colour marks these squares).&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;천둥번개&lt;/b&gt;는 걸어 다니지 않습니다. 어디에 있든 &lt;b&gt;자기 나무 바로 옆의 빈 칸&lt;/b&gt;으로만 움직일 수 있습니다(그 진영 색의 마름모가 이 칸들을 표시합니다).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1 may land on any free square next to the Fir Tree.</source>
        <translation>%1은(는) 전나무 나무 옆의 빈 칸 어디에나 내려앉을 수 있습니다.</translation>
    </message>
    <message>
        <source>&lt;p&gt;It &lt;b&gt;strikes&lt;/b&gt; (captures) in two ways: an enemy piece that stands within two squares of &lt;b&gt;any Cloud&lt;/b&gt;, of either camp, unless that piece is cloaked; and any &lt;b&gt;frozen&lt;/b&gt; enemy piece, wherever it stands. A bolt on a piece marks that a Lightning may strike it.&lt;/p&gt;</source>
        <translation>&lt;p&gt;천둥번개는 두 가지 방법으로 &lt;b&gt;칩니다&lt;/b&gt;(잡습니다): 어느 진영의 것이든 &lt;b&gt;구름&lt;/b&gt;에서 두 칸 안에 있는 상대 말(은폐된 말은 빼고), 그리고 어디에 있든 &lt;b&gt;얼어붙은&lt;/b&gt; 상대 말. 말 위의 번개 표시는 천둥번개가 그 말을 칠 수 있다는 뜻입니다.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Near the Oak Cloud %1 may strike the Cloud itself and the Ant two squares away, but not the Spider the Cloud cloaks nor the Ant outside the Cloud&apos;s reach.</source>
        <translation>참나무 구름 근처에서 %1은(는) 구름 자신과 두 칸 떨어진 개미를 칠 수 있지만, 구름이 은폐한 거미와 구름이 닿지 않는 곳의 개미는 칠 수 없습니다.</translation>
    </message>
    <message>
        <source>The Fir Snow freezes the Oak Ant, and %1 may strike it; the Wasp is out of reach.</source>
        <translation>전나무 눈이 참나무 개미를 얼리고, %1이(가) 그 개미를 칠 수 있습니다; 말벌은 닿지 않습니다.</translation>
    </message>
    <message>
        <source>&lt;p&gt;The Lightning is never cloaked or frozen. It &lt;b&gt;reveals&lt;/b&gt; enemy pieces and &lt;b&gt;thaws&lt;/b&gt; its own on the squares next to it.&lt;/p&gt;</source>
        <translation>&lt;p&gt;천둥번개는 은폐되지도 얼지도 않습니다. 바로 옆의 칸에서 상대 말을 &lt;b&gt;드러내고&lt;/b&gt; 자기 말을 &lt;b&gt;녹입니다&lt;/b&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1 reveals the Oak Ant next to it, which the Cloud would cloak.</source>
        <translation>%1은(는) 구름이 은폐했을 옆의 참나무 개미를 드러냅니다.</translation>
    </message>
    <message>
        <source>&lt;p&gt;The &lt;b&gt;DragonFly&lt;/b&gt; flies any distance along its row or column to an empty square, over any pieces in between. It captures only by &lt;b&gt;one diagonal step&lt;/b&gt;. It can be cloaked and frozen, and projects no influence.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;잠자리&lt;/b&gt;는 자기 가로줄이나 세로줄을 따라 얼마든지 날아가 빈 칸에 앉으며, 사이에 있는 말은 넘어 납니다. 잡을 때는 &lt;b&gt;대각선으로 한 칸&lt;/b&gt;만 갑니다. 은폐될 수 있고 얼 수 있으며, 영향권은 없습니다.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1 flies over both Ants but may capture only the one a diagonal step away.</source>
        <translation>%1은(는) 두 개미를 다 넘어 날 수 있지만, 대각선으로 한 칸 떨어진 개미만 잡을 수 있습니다.</translation>
    </message>
    <message>
        <source>&lt;p&gt;The &lt;b&gt;DivingBeetle&lt;/b&gt; moves one square along its row or column, to an empty square only. It captures at &lt;b&gt;any distance&lt;/b&gt; along a row, a column or a diagonal, but never past a piece: any piece in between blocks it. It can be cloaked and frozen, and projects no influence.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;물방개&lt;/b&gt;는 가로줄이나 세로줄로 한 칸, 빈 칸으로만 움직입니다. 잡을 때는 가로줄, 세로줄, 대각선을 따라 &lt;b&gt;얼마든지&lt;/b&gt; 가지만 말을 넘지는 못합니다: 사이에 있는 말이 길을 막습니다. 은폐될 수 있고 얼 수 있으며, 영향권은 없습니다.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1 may capture the Ant, the Spider and the Wasp; the Spider blocks the way to the Ant behind it.</source>
        <translation>%1은(는) 개미, 거미, 말벌을 잡을 수 있습니다; 거미가 그 뒤의 개미로 가는 길을 막습니다.</translation>
    </message>
    <message>
        <source>&lt;p&gt;The &lt;b&gt;Grasshopper&lt;/b&gt; jumps two squares along a row or column and one square to the side, over anything in between. It moves and captures the same way. It can be cloaked and frozen, and projects no influence.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;여치&lt;/b&gt;는 가로줄이나 세로줄로 두 칸, 옆으로 한 칸 뛰며 사이에 무엇이 있든 넘습니다. 움직일 때와 잡을 때가 같습니다. 은폐될 수 있고 얼 수 있으며, 영향권은 없습니다.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1 jumps out from between its own Ants and may capture both Oak Ants.</source>
        <translation>%1은(는) 자기 개미들 사이에서 뛰어나와 참나무 개미 둘을 다 잡을 수 있습니다.</translation>
    </message>
    <message>
        <source>&lt;p&gt;The &lt;b&gt;Wasp&lt;/b&gt; flies any distance along its row or column, over any pieces in between, and moves and captures the same way. It can be cloaked and frozen, and projects no influence.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;말벌&lt;/b&gt;은 가로줄이나 세로줄을 따라 얼마든지 날며 사이의 말을 넘고, 움직일 때와 잡을 때가 같습니다. 은폐될 수 있고 얼 수 있으며, 영향권은 없습니다.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1 may capture both Oak Ants, the far one over the near one, and flies over its own Ant.</source>
        <translation>%1은(는) 참나무 개미 둘을 다 잡을 수 있고(먼 쪽은 가까운 쪽을 넘어서), 자기 개미를 넘어 날아갑니다.</translation>
    </message>
    <message>
        <source>&lt;p&gt;The &lt;b&gt;Wind&lt;/b&gt; goes one or two squares diagonally, jumping the square between, and moves and captures the same way. It is never cloaked or frozen.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;바람&lt;/b&gt;은 대각선으로 한 칸이나 두 칸 가며 사이의 칸을 넘고, 움직일 때와 잡을 때가 같습니다. 은폐되지도 얼지도 않습니다.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1 may capture both Oak Ants, one of them over a Fir Ant.</source>
        <translation>%1은(는) 참나무 개미 둘을 다 잡을 수 있고, 그중 하나는 전나무 개미를 넘어서 잡습니다.</translation>
    </message>
    <message>
        <source>&lt;p&gt;Within two squares it &lt;b&gt;reveals&lt;/b&gt; enemy pieces and &lt;b&gt;thaws&lt;/b&gt; its own.&lt;/p&gt;</source>
        <translation>&lt;p&gt;두 칸 안에서 상대 말을 &lt;b&gt;드러내고&lt;/b&gt; 자기 말을 &lt;b&gt;녹입니다&lt;/b&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1 reveals the nearer Oak Ant, which the Cloud would cloak.</source>
        <translation>%1은(는) 구름이 은폐했을 가까운 쪽 참나무 개미를 드러냅니다.</translation>
    </message>
    <message>
        <source>&lt;p&gt;The &lt;b&gt;Cloud&lt;/b&gt; goes one or two squares diagonally, jumping the square between, to an empty square only: it &lt;b&gt;cannot capture&lt;/b&gt;. It is never cloaked or frozen.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;구름&lt;/b&gt;은 대각선으로 한 칸이나 두 칸, 사이의 칸을 넘어 빈 칸으로만 갑니다: &lt;b&gt;잡을 수 없습니다&lt;/b&gt;. 은폐되지도 얼지도 않습니다.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1 cannot capture the Oak Ant, but may jump over it.</source>
        <translation>%1은(는) 참나무 개미를 잡을 수 없지만 넘어갈 수는 있습니다.</translation>
    </message>
    <message>
        <source>&lt;p&gt;It &lt;b&gt;cloaks&lt;/b&gt; its camp&apos;s pieces next to it, and every square within two of it is a &lt;b&gt;strike zone for both Lightnings&lt;/b&gt;: yours and the enemy&apos;s.&lt;/p&gt;</source>
        <translation>&lt;p&gt;바로 옆의 자기 진영 말을 &lt;b&gt;은폐&lt;/b&gt;하고, 구름에서 두 칸 안의 모든 칸은 &lt;b&gt;두 진영 천둥번개 모두가 칠 수 있는 구역&lt;/b&gt;입니다: 자기 것도, 상대 것도.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Bolts: around %1 either Lightning may strike the other camp&apos;s pieces, except the Ant the Cloud cloaks.</source>
        <translation>번개 표시: %1 둘레에서는 어느 천둥번개든 상대 진영의 말을 칠 수 있습니다. 구름이 은폐한 개미만은 예외입니다.</translation>
    </message>
    <message>
        <source>&lt;p&gt;A Tree is never cloaked: a Cloud within two squares of its own Tree lets the enemy Lightning capture that Tree.&lt;/p&gt;</source>
        <translation>&lt;p&gt;나무는 결코 은폐되지 않습니다: 자기 나무에서 두 칸 안에 구름이 있으면 상대 천둥번개가 그 나무를 잡을 수 있습니다.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>The Fir Cloud stands two squares from its Tree: %1 may capture the Tree.</source>
        <translation>전나무 구름이 자기 나무에서 두 칸 거리에 있습니다: %1이(가) 나무를 잡을 수 있습니다.</translation>
    </message>
    <message>
        <source>&lt;p&gt;The &lt;b&gt;Spider&lt;/b&gt; goes one or two squares along its row or column, or one or two squares diagonally, jumping the square between, and moves and captures the same way. It can be cloaked, but it is never frozen.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;거미&lt;/b&gt;는 가로줄이나 세로줄로 한두 칸, 또는 대각선으로 한두 칸 가며 사이의 칸을 넘고, 움직일 때와 잡을 때가 같습니다. 은폐될 수는 있지만 얼지는 않습니다.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1 may capture both Oak Ants, one of them over its own Ant.</source>
        <translation>%1은(는) 참나무 개미 둘을 다 잡을 수 있고, 그중 하나는 자기 개미를 넘어서 잡습니다.</translation>
    </message>
    <message>
        <source>&lt;p&gt;It &lt;b&gt;freezes&lt;/b&gt; enemy pieces next to it.&lt;/p&gt;</source>
        <translation>&lt;p&gt;바로 옆의 상대 말을 &lt;b&gt;얼립니다&lt;/b&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1 freezes the Oak pieces next to it, not the Ant two squares away.</source>
        <translation>%1은(는) 옆의 참나무 말들을 얼리지만, 두 칸 떨어진 개미는 얼리지 못합니다.</translation>
    </message>
    <message>
        <source>&lt;p&gt;The &lt;b&gt;Snow&lt;/b&gt; goes exactly two squares along its row or column, jumping the square between, to an empty square only: it &lt;b&gt;cannot capture&lt;/b&gt;. It is never cloaked or frozen.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;눈&lt;/b&gt;은 가로줄이나 세로줄로 꼭 두 칸, 사이의 칸을 넘어 빈 칸으로만 갑니다: &lt;b&gt;잡을 수 없습니다&lt;/b&gt;. 은폐되지도 얼지도 않습니다.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1 jumps over its own Ant; it cannot capture the Oak Ant.</source>
        <translation>%1은(는) 자기 개미를 넘어갑니다; 참나무 개미는 잡을 수 없습니다.</translation>
    </message>
    <message>
        <source>&lt;p&gt;It &lt;b&gt;freezes&lt;/b&gt; enemy pieces within two squares.&lt;/p&gt;</source>
        <translation>&lt;p&gt;두 칸 안의 상대 말을 &lt;b&gt;얼립니다&lt;/b&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1 freezes the Oak Ant two squares away, not the one three squares away.</source>
        <translation>%1은(는) 두 칸 떨어진 참나무 개미를 얼리지만, 세 칸 떨어진 개미는 얼리지 못합니다.</translation>
    </message>
    <message>
        <source>&lt;p&gt;The &lt;b&gt;Ant&lt;/b&gt; goes one or two squares &lt;b&gt;towards either camp&apos;s home&lt;/b&gt; (along the board&apos;s columns when Fir and Oak face each other across it), to an empty square, jumping a piece in between. It captures only &lt;b&gt;one square to the side&lt;/b&gt;. It can be cloaked and frozen, and projects no influence.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;개미&lt;/b&gt;는 &lt;b&gt;어느 진영의 진지 쪽으로든&lt;/b&gt;(전나무와 참나무가 판을 사이에 두고 마주 볼 때 세로줄을 따라) 한두 칸, 빈 칸으로 가며 사이의 말을 넘습니다. 잡을 때는 &lt;b&gt;옆으로 한 칸&lt;/b&gt;만 갑니다. 은폐될 수 있고 얼 수 있으며, 영향권은 없습니다.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1 may capture the Oak Ant beside it, not the one ahead of it, which it may jump.</source>
        <translation>%1은(는) 옆의 참나무 개미는 잡을 수 있지만 앞의 개미는 잡을 수 없고, 대신 넘어갈 수 있습니다.</translation>
    </message>
    <message>
        <source>&lt;p&gt;The &lt;b&gt;CarpenterAnt&lt;/b&gt; goes any distance along a row, a column or a diagonal, and moves and captures the same way; any piece in between blocks it. It can be cloaked and frozen.&lt;/p&gt;&lt;p&gt;The CarpenterAnts start off the board, and no move brings them on: in a game you will not meet one, but their rules are complete.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;왕개미&lt;/b&gt;는 가로줄, 세로줄, 대각선을 따라 얼마든지 가며 움직일 때와 잡을 때가 같습니다; 사이에 있는 말이 길을 막습니다. 은폐될 수 있고 얼 수 있습니다.&lt;/p&gt;&lt;p&gt;왕개미는 판 밖에서 시작하고 어떤 수로도 판에 올라오지 않습니다: 대국에서 만날 일은 없지만 규칙은 다 갖추어져 있습니다.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1 may capture both Oak Ants; its own Ant blocks the column.</source>
        <translation>%1은(는) 참나무 개미 둘을 다 잡을 수 있습니다; 자기 개미가 세로줄을 막습니다.</translation>
    </message>
    <message>
        <source>&lt;p&gt;It &lt;b&gt;reveals&lt;/b&gt; and &lt;b&gt;thaws&lt;/b&gt; within three squares and &lt;b&gt;freezes&lt;/b&gt; enemy pieces within two.&lt;/p&gt;</source>
        <translation>&lt;p&gt;세 칸 안에서 상대 말을 &lt;b&gt;드러내고&lt;/b&gt; 자기 말을 &lt;b&gt;녹이며&lt;/b&gt;, 두 칸 안의 상대 말을 &lt;b&gt;얼립니다&lt;/b&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>훈수: %1</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>두는 법</translation>
    </message>
    <message>
        <source>Board Labels</source>
        <translation>판 이름표</translation>
    </message>
    <message>
        <source>Letters and digits</source>
        <translation>글자와 숫자</translation>
    </message>
    <message>
        <source>Digits</source>
        <translation>숫자</translation>
    </message>
    <message>
        <source>Try it</source>
        <translation>해 보기</translation>
    </message>
    <message>
        <source>Back to the page</source>
        <translation>설명으로 돌아가기</translation>
    </message>
    <message>
        <source>Start again</source>
        <translation>처음부터</translation>
    </message>
    <message>
        <source>the %1 %2 on %3</source>
        <translation>%3의 %1 %2</translation>
    </message>
    <message>
        <source>Drag the %1 around: dots and rings mark where it may go, the tint what it reaches.</source>
        <translation>%1을(를) 이리저리 끌어 보십시오: 점과 고리는 갈 수 있는 곳을, 색칠한 곳은 영향이 닿는 곳을 보여 줍니다.</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>종류</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>값</translation>
    </message>
    <message>
        <source>Cloak</source>
        <translation>은폐</translation>
    </message>
    <message>
        <source>Reveal</source>
        <translation>드러내기</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>얼리기</translation>
    </message>
    <message>
        <source>Thaw</source>
        <translation>녹이기</translation>
    </message>
    <message>
        <source>Tree zone</source>
        <translation>나무 구역</translation>
    </message>
    <message>
        <source>Cloud zone</source>
        <translation>구름 구역</translation>
    </message>
    <message>
        <source>Can be cloaked</source>
        <translation>은폐될 수 있음</translation>
    </message>
    <message>
        <source>Can be frozen</source>
        <translation>얼 수 있음</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>no</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>the game</source>
        <translation>승패</translation>
    </message>
    <message>
        <source>the held piece may move here</source>
        <translation>쥔 말이 갈 수 있는 곳</translation>
    </message>
    <message>
        <source>the held piece may capture this piece</source>
        <translation>쥔 말이 잡을 수 있는 말</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>분석</translation>
    </message>
    <message>
        <source>Review game</source>
        <translation>대국 복기</translation>
    </message>
    <message>
        <source>%1 to move</source>
        <translation>%1 차례</translation>
    </message>
    <message>
        <source>Thinking...</source>
        <translation>생각하는 중...</translation>
    </message>
    <message>
        <source>Depth %1, %2 positions</source>
        <translation>깊이 %1, 국면 %2개</translation>
    </message>
    <message>
        <source>Best line</source>
        <translation>최선의 수순</translation>
    </message>
    <message>
        <source>Best moves</source>
        <translation>최선의 수</translation>
    </message>
    <message>
        <source>The game is over: a Tree has fallen.</source>
        <translation>대국이 끝났습니다: 나무가 잡혔습니다.</translation>
    </message>
    <message>
        <source>Game review</source>
        <translation>대국 복기</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Analysing position %1 of %2</source>
        <translation>국면 %2개 중 %1번째 분석 중</translation>
    </message>
    <message>
        <source>Cancelled: %1 of %2 positions analysed.</source>
        <translation>취소됨: 국면 %2개 중 %1개를 분석했습니다.</translation>
    </message>
    <message>
        <source>%1 positions analysed at the %2 budget.</source>
        <translation>국면 %1개를 %2 수준으로 분석했습니다.</translation>
    </message>
    <message>
        <source>%1. %2 %3</source>
        <translation>%1. %2 %3</translation>
    </message>
    <message>
        <source>  %1 %2, better %3</source>
        <translation>  %1 %2, 더 나은 수 %3</translation>
    </message>
    <message>
        <source>%1: %2 inaccuracies, %3 mistakes, %4 blunders; average drop %5%</source>
        <translation>%1: 부정확한 수 %2, 실수 %3, 대실수 %4; 평균 하락 %5%</translation>
    </message>
    <message>
        <source>Click the graph to go to a position; click a move to see it on the board, with the better move as an arrow.</source>
        <translation>그래프를 누르면 그 국면으로 갑니다; 수를 누르면 판 위에서 그 수를 보고, 더 나은 수를 화살표로 봅니다.</translation>
    </message>
    <message>
        <source>The game on the board is not the reviewed one.</source>
        <translation>판 위의 대국은 복기한 대국이 아닙니다.</translation>
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
    <message>
        <source>Scoring wins in %d</source>
        <translation>%d수 안에 점수 계산으로 이김</translation>
    </message>
    <message>
        <source>Scoring loses in %d</source>
        <translation>%d수 안에 점수 계산으로 짐</translation>
    </message>
    <message>
        <source>Scoring wins now</source>
        <translation>지금 점수 계산으로 이김</translation>
    </message>
    <message>
        <source>Scoring loses now</source>
        <translation>지금 점수 계산으로 짐</translation>
    </message>
</context>
</TS>
